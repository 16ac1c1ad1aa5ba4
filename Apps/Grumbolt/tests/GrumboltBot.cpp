#include "Apps/Grumbolt/tests/GrumboltBot.h"

#include <algorithm>

#include "platform/Platform.h"

namespace grumbolt::test {
namespace {

// A leap and its sinking frog are over after 800 ms; a little more for the last tick.
constexpr uint32_t kLeapWaitMs = 950;

bool Green(uint32_t p) {
    const int r = static_cast<int>(p >> 16 & 0xFF), g = static_cast<int>(p >> 8 & 0xFF), b = static_cast<int>(p & 0xFF);
    return g > r + 30 && g > b + 30;
}

bool DarkOutline(uint32_t p) {
    const int r = static_cast<int>(p >> 16 & 0xFF), g = static_cast<int>(p >> 8 & 0xFF), b = static_cast<int>(p & 0xFF);
    return std::max({r, g, b}) < 0x70 && !(g > r && g > b);
}

}  // namespace

SwampBoard GrumboltBot::Read() const {
    SwampBoard board;
    for (int c = 0; c < kSwampSize; ++c) {
        for (int r = 0; r < kSwampSize; ++r) {
            int green = 0, dark = 0;
            for (int y = 30 * r + 42; y < 30 * r + 70; ++y)
                for (int x = 30 * c + 18; x < 30 * c + 46; ++x) {
                    const uint32_t p = view_.Pixel(x, y);
                    green += Green(p) ? 1 : 0;
                    dark += DarkOutline(p) ? 1 : 0;
                }
            if (dark >= 25) board.Set({c, r}, kFrog);
            else if (green >= 250) board.Set({c, r}, kLilypad);
        }
    }
    return board;
}

std::vector<uint32_t> GrumboltBot::SwampPixels() const {
    std::vector<uint32_t> pixels;
    for (int y = 41; y < 372; ++y)
        for (int x = 0; x < 350; ++x) pixels.push_back(view_.Pixel(x, y));
    return pixels;
}

void GrumboltBot::Hop(const Jump& jump) {
    view_.Click(30 * jump.from.column + 32, 30 * jump.from.row + 56);
    view_.Click(30 * jump.to.column + 32, 30 * jump.to.row + 58);
}

void GrumboltBot::Play(const std::vector<Jump>& jumps, bool answerLast) {
    for (size_t i = 0; i < jumps.size(); ++i) {
        if (answerLast && i + 1 == jumps.size()) view_.AnswerBox(platform::IdOk);
        Hop(jumps[i]);
        view_.Wait(kLeapWaitMs);
    }
}

bool GrumboltBot::SolveShownSwamp() {
    const std::optional<std::vector<Jump>> jumps = SolveSwamp(Read());
    if (!jumps || jumps->empty()) return false;
    Play(*jumps);
    return true;
}

}  // namespace grumbolt::test
