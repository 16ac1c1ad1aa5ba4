// Game code runs only inside calls the shell makes into it: the two exports and the callbacks a
// game registered. The shell counts how deep it is inside such calls, so that what must not
// happen under a game's feet (stopping and unloading it) waits until the outermost call has
// returned, and so that what the factory makes inside them is known to be the game's.
#pragma once

#include <functional>

// Marks one call into game code for as long as it lives. When the outermost one ends, the
// action left by RunOutsideGameCalls runs.
class GameCallScope {
public:
    GameCallScope();
    ~GameCallScope();
    GameCallScope(const GameCallScope&) = delete;
    GameCallScope& operator=(const GameCallScope&) = delete;
};

// True while game code is on the stack.
bool InsideGameCall();

// Runs `action` at once outside calls into the game; inside, keeps it (replacing one kept
// before) and runs it once the outermost call has returned.
void RunOutsideGameCalls(std::function<void()> action);
// Whether an action waits for the outermost call to return.
bool ActionWaitsForGameCalls();

// Logs an exception a game let out of `what`.
void LogGameException(const char* what);

// Calls game code inside a scope; an exception the game lets out ends there (logged with
// `what`) and `fallback` is answered instead.
template <class Call>
int CallGame(const char* what, int fallback, Call&& call) {
    GameCallScope scope;
    try {
        return call();
    } catch (...) {
        LogGameException(what);
        return fallback;
    }
}
