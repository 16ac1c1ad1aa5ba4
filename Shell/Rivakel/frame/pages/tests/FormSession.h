// The running portal on the headless backend against the local portal server: the forms' pages
// reached by the shell's own page switching, typed into and clicked, and the server's record
// of what reached it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Tools/portalserver/PortalServer.h"
#include "core/base/CSubsystem_Clock.h"
#include "core/graphics/RolloverButton.h"
#include "core/outbox/COutbox.h"
#include "frame/pages/FormPages.h"
#include "frame/shell/tests/ShellSession.h"

class FormSession : public ShellSession {
protected:
    void SetUp() override {
        ShellSession::SetUp();
        if (const char* home = std::getenv("HOME")) home_ = home;
        setenv("HOME", (root_ / "home").c_str(), 1);
        server_ = std::make_unique<portal::PortalServer>(portal::ServerOptions{});
        ASSERT_TRUE(server_->Start());
        test_portal::UseLocalServer(root_ / "data", server_->Port());
        // Replies come from the server's thread: the loop waits for them in real time.
        headless_->SetRealWaitMs(60000);
    }
    void TearDown() override {
        ShellSession::TearDown();
        server_->Stop();
        setenv("HOME", home_.c_str(), 1);
    }

    CFormPages& Forms() const { return *FormPages(); }

    // Runs the main loop's turn, the server connection's sockets included, until `done` holds or
    // `ms` of real time passed (a bound for a broken run only: answers come in well under it).
    template <typename Done>
    bool PumpUntil(Done done, int ms = 30000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline || test_portal::SessionStopping()) return false;
            test_portal::Turn(*headless_, std::min<uint32_t>(ClockService()->NextDueInMs(), 20));
        }
        return true;
    }

    std::vector<portal::ReceivedMessage> Received(std::string_view function) const {
        std::vector<portal::ReceivedMessage> found;
        for (const portal::ReceivedMessage& message : server_->Received())
            if (message.function == function) found.push_back(message);
        return found;
    }

    // Once the start-up's own messages are through, the server hangs up on every post.
    void FailFromNowOn() {
        ASSERT_TRUE(PumpUntil([] { return Outbox() != nullptr && Outbox()->Queue().Size() == 0; })) << Record();
        server_->QueueFault(portal::Fault::Reset, 1000);
    }

    // What reached the server, for failure messages.
    std::string Record() const {
        std::string record;
        for (const portal::ReceivedMessage& message : server_->Received())
            record += message.function + "(" + message.params + ") " + portal::FaultName(message.fault) + "\n";
        return record;
    }

    // Page coordinates to the window's.
    platform::Point OnPage(int x, int y) const {
        const platform::Point at = TheShell().PageSurface()->AbsoluteLoc();
        return {at.x + x, at.y + y};
    }
    void ClickPage(int x, int y) {
        const platform::Point at = OnPage(x, y);
        Click(at.x, at.y);
    }
    void Type(std::string_view text) {
        headless_->PushText(text);
        Pump(40);
    }
    void PressKey(int key) {
        headless_->PushKey(key);
        Pump(40);
    }

    std::unique_ptr<portal::PortalServer> server_;
    std::string home_;
};
