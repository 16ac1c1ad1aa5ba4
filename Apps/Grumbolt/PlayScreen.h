// The swamp screen: the generated swamp as lilypads and frogs on blue water, the side panel with
// the score, the swamp's difficulty and number and its two buttons, the selection and the jumps
// (800 ms each, by the 50 ms tick), and the end of a swamp: solved (points, the next swamp, or
// the title) or stuck (the same swamp again).
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "Apps/Common/ShellRef.h"
#include "Apps/Grumbolt/GrumboltScreen.h"
#include "Apps/Grumbolt/SwampMode.h"
#include "Apps/Grumbolt/SwampSprites.h"

class ITimer;

namespace grumbolt {

class CPlayScreen final : public CGrumboltScreen, public SwampClicks {
public:
    // `mode`: the title screen's hand-over value (see SwampMode).
    CPlayScreen(CGrumboltApplet& owner, int mode);
    ~CPlayScreen() override;

    int OnTick(intptr_t* args);
    int OnSoundTimer(intptr_t* args);
    int OnResetButton(intptr_t* args);
    int OnChangeButton(intptr_t* args);

    // SwampClicks
    void OnFrogClick(CellPos at) override;
    void OnLilypadClick(CellPos at) override;

private:
    void Build();
    void Clear();
    void DrawSidePanel();
    void AddPoints(int points);
    // After a jump: nothing while a frog can still jump. True when the screen was replaced (the
    // caller returns at once).
    bool CheckEnd();
    bool Solved();
    void Stuck();
    bool Confirm(const char* caption, const char* text);
    void Note(const char* text);

    SwampMode mode_;
    SwampBoard board_;
    int pointFactor_ = 0;
    int swampValue_ = 0;
    int frogsAtStart_ = 0;

    AttachedSurface background_;
    AttachedSurface marker_;
    std::unique_ptr<CJumpSprites> jumpSprites_;
    std::array<std::array<std::unique_ptr<CLilypad>, kSwampSize>, kSwampSize> lilypads_;
    std::array<std::array<std::unique_ptr<CFrog>, kSwampSize>, kSwampSize> frogs_;
    CFrog* selected_ = nullptr;
    CFrog* jumping_ = nullptr;
    int jumpStart_ = 0;
    std::unique_ptr<CFrog> sinking_;
    int sinkStart_ = 0;
    int lastTick_ = 0;

    AttachedSurface resetButton_;
    AttachedSurface changeButton_;
    ShellRef<ITimer> tickTimer_;
    ShellRef<ITimer> soundTimer_;
};

}  // namespace grumbolt
