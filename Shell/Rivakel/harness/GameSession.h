// A game in the harness's shell window on the headless backend, as a game's tests play it: a
// store folder of its own (or one that outlives the session), the start and stop of the module,
// the settings it keeps, and the driver's input and pixels.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/tests/StoreTestFolder.h"
#include "harness/AppletHarness.h"
#include "harness/GameDriver.h"
#include "platform/headless/HeadlessBackend.h"

class GameSession : public virtual GameDriver {
public:
    // `gameId`: the identifier the game's settings are kept under. A session in `folder` (its
    // store survives the session), or in a fresh one of its own.
    GameSession(std::string gameId, std::string gamePath, std::string folder = {}, bool withUser = true);

    CAppletHarness& Harness() { return harness_; }
    const std::string& Folder() const { return folder_; }
    // The game's module, or another one (a copy beside other files, a module without resources).
    bool Start();
    bool Start(const std::string& gamePath);
    void Stop() { harness_.StopGame(); }

    // The current user's settings of the game, whether it runs or not; nullopt when absent.
    std::optional<std::string> Value(std::string_view key) { return harness_.UserValue(gameId_, key); }
    void SetValue(std::string_view key, std::string_view value) { harness_.SetUserValue(gameId_, key, value); }

    // The message boxes the game showed, in order.
    const std::vector<platform::headless::HeadlessBackend::MessageBoxCall>& MessageBoxes() const {
        return harness_.Headless()->MessageBoxes();
    }

    // GameDriver
    void Wait(uint32_t ms) override { harness_.AdvanceMs(ms); }
    uint32_t ClockMs() const override { return harness_.Headless()->TickMs(); }
    void AnswerInput(std::string text) override { harness_.QueueInput(std::move(text)); }
    void AnswerBox(int answer) override;
    GameAreaFrame Presented() const override { return {harness_.Frame(), CAppletHarness::kWindowWidth}; }

protected:
    void Send(const platform::Event& event) override { harness_.Send(event); }
    void Round() override { harness_.Pump(); }

private:
    StoreTestFolder own_;
    std::string gameId_;
    std::string gamePath_;
    std::string folder_;
    CAppletHarness harness_;
};
