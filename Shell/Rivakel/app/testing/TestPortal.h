// The whole program for the tests and benchmarks of the layers below it: they start and end the
// portal, turn its loop and ask what it did only through these calls, never through the program's
// own headers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

class CGamesPages;

namespace platform::headless {
class HeadlessBackend;
}

namespace test_portal {

// Starts the program as its main function does, `args` following the program's name; true when
// it came up with its shell window. A program still running is ended first.
bool Start(const std::vector<std::string>& args = {});
// Stops the session, ends the program and drops what it kept, as at its exit.
void End();

// Runs the window's loop for `ms` of the backend's clock, or until the session stops.
void Pump(platform::headless::HeadlessBackend& headless, uint32_t ms);
// Runs the window's loop until `done` holds or the session stops.
void RunUntil(const std::function<bool()>& done);
// One turn of the main loop: waits at most `waitMs` for an event or the server connection,
// hands every event to the main window and fires the timers that are due.
void Turn(platform::headless::HeadlessBackend& headless, uint32_t waitMs);
// Hands one event to the main window as the loop would.
void Deliver(const platform::Event& event);

// Asks the session to stop, as the window's close does; the stop itself runs at the loop's next
// turn or at RunPendingStop.
void StopSession();
void RunPendingStop();
bool SessionStopping();
// The program's main window; null before the start and after the end.
platform::Window* MainWindow();
bool Installed();
std::shared_ptr<CGamesPages> GamesPages();

// The server's banner definitions have come and no rotation has taken them yet.
bool BannerDefinitionsPending();

// Points the program below `dataHome` at a local portal server on `port`.
void UseLocalServer(const std::filesystem::path& dataHome, uint16_t port);

}  // namespace test_portal
