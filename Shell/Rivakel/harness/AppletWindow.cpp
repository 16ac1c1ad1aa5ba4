// rivakel_applet_window: one game in the harness's shell window, driven by commands on standard
// input, one a line, each answered with "ok" (or "error: ...") once its frame is presented:
//
//   start <file.gam>      starts the game as a tile click would
//   stop                  stops it
//   click <x> <y>         a left click in game-area coordinates
//   move <x> <y>          the mouse moves there
//   key <virtual key>     a key pressed and released (decimal Windows key number)
//   wait <ms>             runs the main loop that long
//   input <text>          the answer of the next input box (OK with the text)
//   help                  the shell's Instructions: the game draws its help page
//   back                  back from the help page to the game
//   frame <file.ppm>      writes the presented frame (headless backend only)
//   quit
//
//   rivakel_applet_window --data <folder> [--headless]
// Without --headless the process's backend is used (sdl, a real window).
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "harness/AppletHarness.h"

namespace {

bool WriteFrame(const CAppletHarness& harness, const std::string& path) {
    const std::vector<uint32_t>& frame = harness.Frame();
    if (frame.empty()) return false;
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << CAppletHarness::kWindowWidth << ' ' << CAppletHarness::kWindowHeight << "\n255\n";
    for (const uint32_t pixel : frame) {
        const char rgb[3] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
        out.write(rgb, 3);
    }
    return static_cast<bool>(out);
}

// Runs the loop for `ms`: in real time on a real backend, on the test clock when headless.
void Wait(CAppletHarness& harness, int ms) {
    if (harness.Headless() != nullptr) {
        harness.AdvanceMs(static_cast<uint32_t>(ms));
        return;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    do {
        harness.Pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < end);
}

}  // namespace

int main(int argc, char** argv) {
    HarnessOptions options;
    options.headless = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--headless") options.headless = true;
        else if (arg == "--data" && i + 1 < argc) options.dataFolder = argv[++i];
    }
    if (options.dataFolder.empty()) {
        std::fprintf(stderr, "usage: %s --data <folder> [--headless]\n", argv[0]);
        return 2;
    }
    CAppletHarness harness(options);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        std::string error;
        if (command == "start") {
            std::string path;
            std::getline(words >> std::ws, path);
            if (harness.StartGame(path) != 0) error = "the game did not start";
        } else if (command == "stop") {
            harness.StopGame();
        } else if (command == "click" || command == "move") {
            int x = 0, y = 0;
            words >> x >> y;
            if (command == "click") harness.Click(x, y);
            else harness.MoveMouse(x, y);
        } else if (command == "key") {
            int key = 0;
            words >> key;
            harness.Key(key);
        } else if (command == "wait") {
            int ms = 0;
            words >> ms;
            Wait(harness, ms);
        } else if (command == "input") {
            std::string text;
            std::getline(words >> std::ws, text);
            harness.QueueInput(text);
        } else if (command == "help") {
            harness.ShowInstructions();
        } else if (command == "back") {
            harness.BackToGame();
        } else if (command == "frame") {
            std::string path;
            words >> path;
            if (!WriteFrame(harness, path)) error = "no frame to write";
        } else if (command == "quit") {
            break;
        } else if (!command.empty()) {
            error = "unknown command " + command;
        }
        harness.Pump();
        std::cout << (error.empty() ? "ok" : "error: " + error) << std::endl;
    }
    return 0;
}
