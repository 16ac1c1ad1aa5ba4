// A game module's resources standing in as the running game's while the game's code runs in the
// test's own process (see InProcessRecord): read from the module file as data, less the resources
// named in `leaveOut`, which lets a test take a picture or a sound away.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

class InProcessResources {
public:
    explicit InProcessResources(const std::string& modulePath, std::initializer_list<std::string_view> leaveOut = {});
    ~InProcessResources();
    InProcessResources(const InProcessResources&) = delete;
    InProcessResources& operator=(const InProcessResources&) = delete;

    // False when the module's resources could not be read (the game then runs without any).
    bool Loaded() const { return loaded_; }

private:
    bool loaded_ = false;
};
