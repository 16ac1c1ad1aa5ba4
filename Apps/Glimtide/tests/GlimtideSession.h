// The game running in the harness's shell window on the headless backend, as a test sees it:
// the frame, the settings it stored, and the input a player gives.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Apps/Common/harness/AppletHarness.h"
#include "core/store/UserStore.h"
#include "core/store/tests/StoreTestFolder.h"

namespace glimtide::test {

inline constexpr int kSpace = 32;

// Colours the screens are told apart by.
inline constexpr uint32_t kPanelBlue = 0x99CCFF;
inline constexpr uint32_t kBarFrameGrey = 0x606060;
inline constexpr uint32_t kStaffGrey = 0x808080;
inline constexpr uint32_t kHeadingYellow = 0xFFFF00;

class GlimtideSession {
public:
    // A session in `folder` (its store survives the session), or in a fresh one of its own.
    explicit GlimtideSession(std::string folder = {})
        : folder_(folder.empty() ? own_.Path() : std::move(folder)), harness_({folder_, true}) {}

    CAppletHarness& Harness() { return harness_; }
    const std::string& Folder() const { return folder_; }
    bool Start(const std::string& gamePath = GLIMTIDE_GAM) { return harness_.StartGame(gamePath) == 0; }
    void Stop() { harness_.StopGame(); }

    // The running game's settings of the current user.
    std::optional<std::string> Value(std::string_view key) {
        std::string value;
        if (UserStore()->GetUserProp(key, value) == kStoreNoKey) return std::nullopt;
        return value;
    }
    void SetValue(std::string_view key, std::string_view value) { UserStore()->SetUserProp(key, value); }

    uint32_t Pixel(int x, int y) const { return harness_.GamePixel(x, y); }
    // Pixels of that colour in [left, right) x [top, bottom).
    int Count(uint32_t colour, int left, int top, int right, int bottom) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) count += Pixel(x, y) == colour ? 1 : 0;
        return count;
    }
    void Click(int x, int y) { harness_.Click(x, y); }
    void Key(int key) { harness_.Key(key); }
    void Wait(uint32_t ms) { harness_.AdvanceMs(ms); }

    bool OnTitle() const { return Count(kHeadingYellow, 320, 7, 500, 30) > 40; }
    bool OnPlay() const { return Pixel(450, 341) == kBarFrameGrey; }
    bool PanelUp() const { return Pixel(170, 100) == kPanelBlue; }
    // Both on grey; the hidden page shows its picture at (210, 10).
    bool OnStaffList() const { return OnGrey() && Count(kStaffGrey, 210, 10, 410, 100) > 15000; }
    bool OnHiddenPage() const { return OnGrey() && Count(kStaffGrey, 210, 10, 410, 100) < 2000; }

    bool OnGrey() const { return Count(kStaffGrey, 0, 300, 150, 390) == 150 * 90; }

    void ChooseEasy() { Click(120, 270); }
    void ChooseMedium() { Click(220, 270); }
    void ChooseHard() { Click(350, 270); }
    void ChooseShow() { Click(190, 310); }
    void ClickIcon(int choice) { Click(50 * choice + 25, 365); }
    void ShowMeAgain() { Click(215, 405); }
    void Yes() { Click(155 + 35, 85 + 128); }
    void YesAfterBest() { Click(155 + 35, 85 + 168); }

private:
    StoreTestFolder own_;
    std::string folder_;
    CAppletHarness harness_;
};

}  // namespace glimtide::test
