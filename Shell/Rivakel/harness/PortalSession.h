// A game in the real portal on the headless backend, played through the same driver as in the
// harness: the portal's session fixture with the game launched as RIVAKEL_GAME launches it, its
// boxes answered through the portal's own dialogs.
#pragma once

#include <string>

#ifndef SHELL_TEST_GAME
#define SHELL_TEST_GAME ""
#endif
#include "core/dialogs/DialogTemplate.h"
#include "frame/shell/tests/ShellSession.h"
#include "harness/GameDriver.h"

class PortalSession : public ShellSession, public virtual GameDriver {
protected:
    // Starts the portal with `gamePath` as its only game.
    void StartWithGame(const std::string& gamePath) {
        setenv(kDevGameVariable, gamePath.c_str(), 1);
        Start();
    }
    // Ends the session as the program does and starts it again with the same game.
    void Restart() {
        test_portal::End();
        Start();
    }
    // The current user's setting `key` of the running game ("" when absent), as the game reads and
    // writes it.
    std::string UserValue(std::string_view key) const {
        std::string value;
        if (CSubsystem_UserStore* store = UserStore()) store->GetUserProp(key, value);
        return value;
    }
    void SetUserValue(std::string_view key, std::string_view value) {
        if (CSubsystem_UserStore* store = UserStore()) store->SetUserProp(key, value);
    }
    // The portal is closed under the game's name box, or, given `refusedName`, under the box that
    // refuses that name; the quit box that follows is accepted.
    void ExpectClosedUnderTheNameBox(const std::string& refusedName = {}) {
        if (refusedName.empty()) {
            Expect("IDD_INPUT_BOX*", [this](CDialog&) { headless_->PushClose(); });
        } else {
            AnswerInput(refusedName);
            Expect("MESSAGEBOX", [this](CDialog&) { headless_->PushClose(); });
        }
        ExpectPress("IDD_QUIT_*", kIdAccept);
    }
    // An installed portal (so the store is saved) as scripts/run.sh starts it: the store is the
    // one the build seeds, not one of the test's making.
    void MakeInstalledWithTheGuest() { SeedLikeTheBuild(); }

public:
    using GameDriver::Click;

    // GameDriver
    // The window is presented at the end, as the harness presents after every round: a bot that
    // watches tick by tick sees each tick's frame.
    void Wait(uint32_t ms) override {
        Pump(ms);
        if (CShell* shell = Shell()) shell->Repaint();
    }
    uint32_t ClockMs() const override { return headless_->TickMs(); }
    void AnswerInput(std::string text) override {
        Expect("IDD_INPUT_BOX*", [text](CDialog& dialog) {
            dialog.SetControlText(kIdEntry, text);
            dialog.Press(kIdOk);
        });
    }
    void AnswerBox(int answer) override { ExpectPress("MESSAGEBOX", answer); }
    GameAreaFrame Presented() const override {
        const auto* window = headless_->MainWindow();
        if (window == nullptr) return {{}, 0};
        return {window->Frame(), window->Width()};
    }
    using GameDriver::Pixel;

protected:
    void Send(const platform::Event& event) override { headless_->PushEvent(event); }
    void Round() override { Pump(60); }
};
