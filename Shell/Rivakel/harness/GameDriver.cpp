#include "harness/GameDriver.h"

uint32_t GameAreaFrame::Pixel(int x, int y) const {
    const int windowX = GameDriver::kGameAreaX + x, windowY = GameDriver::kGameAreaY + y;
    if (windowX < 0 || windowX >= width_ || windowY < 0) return 0;
    const size_t at = static_cast<size_t>(windowY) * static_cast<size_t>(width_) + static_cast<size_t>(windowX);
    return at < window_.size() ? window_[at] : 0;
}

void GameDriver::KeyDown(int virtualKey) {
    Send({.type = platform::EventType::KeyDown, .key = virtualKey});
    Round();
}

void GameDriver::KeyUp(int virtualKey) {
    Send({.type = platform::EventType::KeyUp, .key = virtualKey});
    Round();
}

void GameDriver::Key(int virtualKey) {
    Send({.type = platform::EventType::KeyDown, .key = virtualKey});
    Send({.type = platform::EventType::KeyUp, .key = virtualKey});
    Round();
}

void GameDriver::HoldKey(int virtualKey, uint32_t ms) {
    KeyDown(virtualKey);
    Wait(ms);
    KeyUp(virtualKey);
}

void GameDriver::Type(std::string_view text) {
    for (const char c : text) Send({.type = platform::EventType::Char, .ch = static_cast<uint8_t>(c)});
    Round();
}

void GameDriver::SendMouse(platform::EventType type, int x, int y) {
    Send({.type = type, .x = kGameAreaX + x, .y = kGameAreaY + y});
}

void GameDriver::MouseDown(int x, int y) {
    SendMouse(platform::EventType::MouseMove, x, y);
    SendMouse(platform::EventType::MouseDown, x, y);
    Round();
}

void GameDriver::MouseMove(int x, int y) {
    SendMouse(platform::EventType::MouseMove, x, y);
    Round();
}

void GameDriver::MouseUp(int x, int y) {
    SendMouse(platform::EventType::MouseMove, x, y);
    SendMouse(platform::EventType::MouseUp, x, y);
    Round();
}

void GameDriver::Click(int x, int y) {
    SendMouse(platform::EventType::MouseMove, x, y);
    SendMouse(platform::EventType::MouseDown, x, y);
    SendMouse(platform::EventType::MouseUp, x, y);
    Round();
}

void GameDriver::HoldMouse(int x, int y, uint32_t ms) {
    MouseDown(x, y);
    Wait(ms);
    MouseUp(x, y);
}

void GameDriver::Drag(int fromX, int fromY, int toX, int toY, int steps) {
    MouseDown(fromX, fromY);
    for (int i = 1; i <= steps; ++i)
        MouseMove(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
    MouseUp(toX, toY);
}

int GameDriver::Count(uint32_t colour, int left, int top, int right, int bottom) const {
    const GameAreaFrame frame = Presented();
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) count += frame.Pixel(x, y) == colour ? 1 : 0;
    return count;
}
