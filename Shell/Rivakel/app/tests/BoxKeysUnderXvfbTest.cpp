// Every box of the dialog kit, and the error report's two, worked to each of their answers from
// the keyboard alone, in the real window on a private X server: the keys go through the X server
// as a user's do, and before the key that answers, the window shows the ring around the control
// that has the keyboard and around no other.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/ReporterWindow.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/report/DumpInfoDialog.h"
#include "core/report/ErrorReport.h"
#include "core/store/RdtNode.h"
// No game runs here.
#define SHELL_TEST_GAME ""
#include "frame/shell/tests/WindowSession.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kRing = 0x000099;

// One box's part of a row: the keys typed into it (xdotool's names) and the control that has the
// keyboard before the last of them, which answers the box or opens the next.
struct Step {
    const char* box;
    const char* keys;
    int focused;
};

struct Row {
    const char* what;
    std::function<int()> open;
    std::vector<Step> steps;
    int answer;
};

void Type(const std::string& keys) {
    const std::string command = "xdotool key --delay 20 " + keys;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

// The shell's window, or the reporter's.
platform::sdl::SdlWindow& Window() { return static_cast<platform::sdl::SdlWindow&>(*test_portal::MainWindow()); }

// Pixels of the ring's colour within three pixels around the control, as the window shows it.
int RingAround(const CDialog& dialog, int id) {
    const std::vector<uint32_t> shown = Window().ReadBack();
    int width = 0, height = 0;
    SDL_GetWindowSize(SDL_GetWindowFromID(Window().Id()), &width, &height);
    const platform::Rect area = dialog.ControlRect(id);
    int count = 0;
    for (int y = std::max(0, area.top - 3); y < std::min(height, area.bottom + 3); ++y) {
        for (int x = std::max(0, area.left - 3); x < std::min(width, area.right + 3); ++x) {
            count += shown[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] == kRing;
        }
    }
    return count;
}

// Plays a row's steps, one turn of the topmost box at a time: the step's keys but the last once
// its box is up, then, once the keyboard is where the step says, the ring is read off the window
// and the last key typed.
class Keyboard {
public:
    explicit Keyboard(const Row& row) : row_(row), deadline_(Clock::now() + std::chrono::seconds(20)) {}

    void Turn(CDialog& dialog) {
        if (Clock::now() > deadline_) {
            ADD_FAILURE() << row_.what << ": stuck in " << dialog.Name() << " at step " << next_;
            dialog.Close();
            return;
        }
        if (next_ == row_.steps.size() || dialog.Name() != row_.steps[next_].box) return;
        const Step& step = row_.steps[next_];
        const std::string keys = step.keys;
        const size_t split = keys.rfind(' ');
        if (!typed_) {
            SDL_SetWindowInputFocus(SDL_GetWindowFromID(Window().Id()));
            if (split != std::string::npos) Type(keys.substr(0, split));
            typed_ = true;
            return;
        }
        if (dialog.FocusedId() != step.focused) return;
        CurrentDialogEnvironment().repaint();
        for (int id : {kIdOk, kIdCancel, kIdEntry, kIdLater, kIdAccept, kIdSaveExit, kIdDecline, kIdTermsText, kIdOffers,
                       kIdShowTerms, kDumpInfoClose, kDumpInfoShow, kDumpInfoHide, kDumpInfoCopy}) {
            if (!dialog.HasControl(id)) continue;
            if (id == step.focused) {
                EXPECT_GT(RingAround(dialog, id), 20) << row_.what << ": " << step.box << " " << id << " not ringed";
            } else {
                EXPECT_EQ(RingAround(dialog, id), 0) << row_.what << ": " << step.box << " " << id << " ringed";
            }
        }
        Type(split == std::string::npos ? keys : keys.substr(split + 1));
        typed_ = false;
        ++next_;
    }
    bool Done() const { return next_ == row_.steps.size(); }

private:
    const Row& row_;
    Clock::time_point deadline_;
    size_t next_ = 0;
    bool typed_ = false;
};

class BoxKeysUnderXvfb : public WindowSession {
protected:
    void SetUp() override {
        if (!platform::OnPath("xdotool")) RIVAKEL_REAL_WINDOW_MISSING("no xdotool");
        WindowSession::SetUp();
    }

    static void Play(const Row& row) {
        Keyboard keyboard(row);
        SetDialogScript([&keyboard](CDialog& dialog) { keyboard.Turn(dialog); });
        EXPECT_EQ(row.open(), row.answer) << row.what;
        EXPECT_TRUE(keyboard.Done()) << row.what << ": steps left over";
        SetDialogScript(nullptr);
    }

    static std::string OptOut() {
        const RdtNode* guest = UserStore()->FindUserByEmail("guest");
        const RdtNode* node = guest != nullptr ? guest->FindChild("OptOut") : nullptr;
        return node != nullptr && node->Text() ? *node->Text() : "";
    }
};

TEST_F(BoxKeysUnderXvfb, EveryBoxAnswersEachOfItsAnswersFromTheKeyboard) {
    // The answer; -1 for OK with another name than `expected`.
    const auto input = [](int flags, std::string expected) {
        return [flags, expected] {
            std::string entry;
            const int answer = InputBox("Enter player name", "Your name:", "Guest", 16, flags, entry);
            return answer == 1 && entry != expected ? -1 : answer;
        };
    };
    const auto resetProfile = [] {
        return ShowMessageBox("Reset My Profile", "If you continue, your score will be reset.\n\nContinue?",
                              kMessageBoxOkCancel | kMessageBoxExclamation);
    };
    // Unticked before: Space ticks the offers, and OK keeps the choice.
    const auto tickOffers = [] {
        UserStore()->FindUserByEmail("guest")->GetOrAddChild("OptOut")->SetText("Yes");
        ShowTermsOfService();
        return OptOut() == "No" ? 1 : 0;
    };
    const Row inWindow[] = {
        {"Yes by Tab and Space", AskQuitSaved, {{"IDD_QUIT_SAVED", "Tab space", kIdAccept}}, 0},
        {"Yes by Alt+Y", AskQuitSaved, {{"IDD_QUIT_SAVED", "alt+y", kIdLater}}, 0},
        {"No by Escape from Yes", AskQuitSaved, {{"IDD_QUIT_SAVED", "Tab Escape", kIdAccept}}, 1},
        {"Save And Exit by Return", AskQuitNotSaved, {{"IDD_QUIT_NOTSAVED", "Return", kIdSaveExit}}, 2},
        {"Keep Playing", AskQuitNotSaved, {{"IDD_QUIT_NOTSAVED", "Tab space", kIdLater}}, 1},
        {"the terms over the question, then round backwards to Dont Save",
         AskQuitNotSaved,
         {{"IDD_QUIT_NOTSAVED", "shift+Tab space", kIdShowTerms},
          {"IDD_TERMSOFSERVICE", "Return", kIdAccept},
          {"IDD_QUIT_NOTSAVED", "shift+Tab space", kIdDecline}},
         3},
        {"install by Return", AskAutoInstall, {{"IDD_AUTOINSTALL", "Return", kIdAccept}}, 0},
        {"install cancelled by Tab and Space", AskAutoInstall, {{"IDD_AUTOINSTALL", "Tab space", kIdDecline}}, 3},
        {"install cancelled by Escape", AskAutoInstall, {{"IDD_AUTOINSTALL", "Escape", kIdAccept}}, 3},
        {"save confirmed", [] { return AskConfirmSave() ? 1 : 0; }, {{"IDD_CONFIRM_SAVE", "Return", kIdAccept}}, 1},
        {"save cancelled by Return on Cancel",
         [] { return AskConfirmSave() ? 1 : 0; },
         {{"IDD_CONFIRM_SAVE", "Tab Return", kIdDecline}},
         0},
        {"Later", AskNeedNewGame, {{"IDD_NEEDNEWGAME", "Return", kIdLater}}, 1},
        {"Get it Now by Tab and Space", AskNeedNewGame, {{"IDD_NEEDNEWGAME", "Tab space", kIdAccept}}, 0},
        {"the offers ticked", tickOffers, {{"IDD_TERMSOFSERVICE", "Tab Tab space Return", kIdOffers}}, 1},
        {"a name typed", input(kMessageBoxOkCancel, "bob"), {{"IDD_INPUT_BOX", "b o b Return", kIdEntry}}, 1},
        {"the name as proposed, by OK",
         input(kMessageBoxOkCancel, "Guest"),
         {{"IDD_INPUT_BOX", "Tab Return", kIdOk}},
         1},
        {"the name cancelled", input(kMessageBoxOkCancel, "Guest"), {{"IDD_INPUT_BOX", "Tab Tab space", kIdCancel}}, 2},
        {"a name that must be given", input(0, "Guest"), {{"IDD_INPUT_BOX2", "Escape shift+Tab space", kIdOk}}, 1},
        {"a game's question, Cancel", resetProfile, {{"MESSAGEBOX", "Tab space", kIdCancel}}, 2},
        {"a game's question, Escape", resetProfile, {{"MESSAGEBOX", "Escape", kIdOk}}, 2},
        {"a game's note", [] { return ShowMessageBox("Name too long", "Names must be 8 letters or smaller.", 0x101); },
         {{"MESSAGEBOX", "space", kIdOk}}, 1},
    };
    // Installed: the opt-out that the OKs record installs nothing.
    MakeInstalled();
    StartInWindow(false);
    for (const Row& row : inWindow) Play(row);
    test_portal::End();

    // The report's details shown and closed again by Escape and by "<<", the report copied, and
    // Rivakel closed: the reporter ends with 0.
    setenv("XDG_STATE_HOME", (root_ / "state").c_str(), 1);
    const Row report{"the error report",
                     [] { return RunErrorReporter({}, RunInReporterWindow); },
                     {{"DUMPINFO", "shift+Tab space", kDumpInfoShow},
                      {"DUMPINFO2", "Escape", kDumpInfoClose},
                      {"DUMPINFO", "shift+Tab Return", kDumpInfoShow},
                      {"DUMPINFO2", "shift+Tab space", kDumpInfoHide},
                      {"DUMPINFO", "Tab space", kDumpInfoCopy},
                      {"MESSAGEBOX", "space", kIdOk},
                      {"DUMPINFO", "shift+Tab Return", kDumpInfoClose}},
                     0};
    Play(report);
    unsetenv("XDG_STATE_HOME");
}

}  // namespace
