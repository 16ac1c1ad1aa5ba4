// How a test plays a game as a person would, in the same words whether the game runs in the
// harness's shell window or in the real portal: keys pressed, held across ticks and released;
// the mouse pressed, dragged, held and released; characters typed; the clock moved by hand; the
// game's boxes answered from a script; and the game area's pixels, which is all a bot may read.
// Positions are in game-area coordinates.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Platform.h"

// One presented frame of the window, read in game-area coordinates without a call per pixel.
class GameAreaFrame {
public:
    GameAreaFrame(std::span<const uint32_t> window, int windowWidth) : window_(window), width_(windowWidth) {}
    // 0xRRGGBB; 0 outside the frame.
    uint32_t Pixel(int x, int y) const;

private:
    std::span<const uint32_t> window_;
    int width_;
};

class GameDriver {
public:
    virtual ~GameDriver() = default;

    // A key goes down and stays down (across ticks, as the shell repeats it) until KeyUp.
    void KeyDown(int virtualKey);
    void KeyUp(int virtualKey);
    void Key(int virtualKey);
    void HoldKey(int virtualKey, uint32_t ms);
    // One character per byte (cp1252), as the keyboard's text arrives.
    void Type(std::string_view text);

    void MouseDown(int x, int y);
    // With the button down, a drag.
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);
    void Click(int x, int y);
    void HoldMouse(int x, int y, uint32_t ms);
    void Drag(int fromX, int fromY, int toX, int toY, int steps);

    // Runs the game for `ms` of the test's clock.
    virtual void Wait(uint32_t ms) = 0;
    // The test's clock in ms, as the game's timers are told it.
    virtual uint32_t ClockMs() const = 0;
    // The answer of the next input box: OK with `text`.
    virtual void AnswerInput(std::string text) = 0;
    // The answer of the next message box (platform::IdOk, IdCancel, IdYes, IdNo).
    virtual void AnswerBox(int answer) = 0;

    // The frame presented last; a bot that reads many pixels of a frame takes it once.
    virtual GameAreaFrame Presented() const = 0;
    // A pixel of the presented game area, 0xRRGGBB.
    uint32_t Pixel(int x, int y) const { return Presented().Pixel(x, y); }
    // Pixels of that colour in [left, right) x [top, bottom).
    int Count(uint32_t colour, int left, int top, int right, int bottom) const;

    // Where the game area lies in the portal's window.
    static constexpr int kGameAreaX = 189;
    static constexpr int kGameAreaY = 129;

protected:
    GameDriver() = default;
    GameDriver(const GameDriver&) = default;
    GameDriver& operator=(const GameDriver&) = default;

    // One input event in window coordinates, taken in at the next round.
    virtual void Send(const platform::Event& event) = 0;
    // The waiting events handled and the frame presented.
    virtual void Round() = 0;

private:
    void SendMouse(platform::EventType type, int x, int y);
};
