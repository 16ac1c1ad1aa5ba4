// A box of the window system that its library shows from a process of its own, forked inside the
// library's call: the box goes with the program, whether the program is killed outright (the
// system tells the box's process) or ends on a termination signal (EndForkedBox).
#pragma once

namespace platform {

// While one lives, the child of a fork made by this thread is the box's process: it ends with
// this process, a termination signal ends it alone, and EndForkedBox ends it.
class ForkedBoxScope {
public:
    ForkedBoxScope();
    ~ForkedBoxScope();
    ForkedBoxScope(const ForkedBoxScope&) = delete;
    ForkedBoxScope& operator=(const ForkedBoxScope&) = delete;
};

// Ends the box's process when a box is up, and keeps one from coming up until the scope ends.
// For any thread; async-signal-safe.
void EndForkedBox();

}  // namespace platform
