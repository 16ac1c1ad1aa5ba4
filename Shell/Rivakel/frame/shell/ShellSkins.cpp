// The two layouts of the frame and what their buttons do.
#include <string>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/Thunk.h"
#include "core/dialogs/ShellDialogs.h"
#include "core/graphics/Anim.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/SurfaceServices.h"
#include "core/graphics/VideoService.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

struct NavTarget {
    const char* name;
    intptr_t value;
    int smallY;
    platform::Point labelAt;
    int bigX;
};

constexpr NavTarget kNavTargets[] = {
    {"Home", shell_button::kHome, 40, {9, 70}, 165},
    {"Games", shell_button::kGames, 95, {6, 125}, 260},
    {"Support", shell_button::kSupport, 150, {4, 180}, 355},
    {"About", shell_button::kAbout, 205, {9, 235}, 450},
    {"Join", shell_button::kJoin, 315, {13, 345}, 600},
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower;
}

// The game area and the page surface: one place on the frame, the page on top.
CSurface* MakeArea(CSurface& shell, CSurface& frame, int x, int y) {
    auto* area = new CSurface(CShell::kGameAreaWidth, CShell::kGameAreaHeight, 0);
    area->SetLoc(x, y);
    // Only the shell window shows, hides and moves them; the game holds them too.
    area->Protect(nullptr, &shell);
    frame.AttachSurface(area);
    return area;
}

}  // namespace

void CShell::DrawFrameText(std::string_view rml, int x, int y) {
    const std::string text(rml);
    FrameImage()->DrawRML(text.c_str(), x, y, nullptr, 0, nullptr);
}

// The frame picture into the window's own picture, the logo on top; the areas between them.
void CShell::PlaceFrame(std::string_view frameName, std::string_view logoName, platform::Point logoAt,
                        platform::Point areaAt) {
    if (CSurface* picture = LoadPicture(frameName)) {
        FrameImage()->DrawAt(*picture->GetCurImage(), 0, 0, 0);
        picture->ReleaseInternalRef();
    }
    gameArea_ = MakeArea(*this, *frame_, areaAt.x, areaAt.y);
    pageSurface_ = MakeArea(*this, *frame_, areaAt.x, areaAt.y);
    if (CSurface* logo = LoadPicture(logoName, CSurface::kFlagInteractive)) {
        logo->SetLoc(logoAt.x, logoAt.y);
        frame_->AttachSurface(logo);
        logo->ReleaseInternalRef();
        logo_ = logo;
    }
}

void CShell::LayOutSmall() {
    PlaceFrame("img-main-640x482.gif", "img-logomain-small-39x29.gif", {4, 4}, {130, 24});
    for (const NavTarget& target : kNavTargets) {
        MakeIconButton(frame_, "asl-icn-mini-" + std::string(target.name) + "-32x32x2.gif", 9, target.smallY,
                       target.value, Thunk<&CShell::OnNavButton>);
        DrawFrameText("<s4><cffff99>" + std::string(target.name), target.labelAt.x, target.labelAt.y);
    }
    DrawFrameText("<s3><b><cffff99>Rivakel</b>", 50, 2);
    if (!config_.embedded) MakeFrameButton("asl-sysbuttons-16x14x4.gif", 604, 3, 16, 14, 2, shell_button::kMinimize, Thunk<&CShell::OnNavButton>);
    MakeFrameButton("asl-sysbuttons-16x14x4.gif", 622, 3, 16, 14, 3, shell_button::kClose, Thunk<&CShell::OnNavButton>);
    MakeLinkButton("Terms", 7, 433, shell_button::kTerms, 10, this, Thunk<&CShell::OnNavButton>);
}

void CShell::LayOutBig() {
    PlaceFrame("img-main-800x572.gif", "ani-logomain-117x84.gif", {24, 20}, {189, 129});
    for (const NavTarget& target : kNavTargets) MakeNavButton(Lower(target.name), target.bigX, 8, target.value, Thunk<&CShell::OnNavButton>);
    MakeFrameButton("asl-sysbuttons-16x14x4.gif", 762, 5, 16, 14, 2, shell_button::kMinimize, Thunk<&CShell::OnNavButton>);
    MakeFrameButton("asl-sysbuttons-16x14x4.gif", 780, 5, 16, 14, 3, shell_button::kClose, Thunk<&CShell::OnNavButton>);
    if (logo_ != nullptr) {
        CAnim* anim = nullptr;
        logo_->GetAnim(anim);
        CImageSeq* sequence = nullptr;
        if (anim != nullptr) anim->GetImageSeq(sequence);
        if (anim != nullptr && sequence != nullptr && !(config_.installed && config_.installed())) {
            // The logo plays on the wall clock, so a paused game does not stop it.
            sequence->SetLoop(true);
            anim->SetClock(TimerClock::Wall);
            anim->Start();
        }
    }
    MakeLinkButton("Terms of Service", 41, 112, shell_button::kTerms, 10, this, Thunk<&CShell::OnNavButton>);
    DrawBevelEdges();
    if (config_.makeBanners) config_.makeBanners(*this);
    DrawFrameText("<s4><c000000>Click Here!   (clicking will pause game)", 309, 45);
}

// Eight 5 x 5 cells side by side, the ring of a 3 x 3 grid in reading order: top-left corner,
// top edge, top-right corner, left edge, right edge, bottom-left corner, bottom edge,
// bottom-right corner.
void CShell::DrawBevelEdges() {
    CSurface* bevel = LoadPicture("slb-BevelEdges.gif", CSurface::kFlagColorKeyed);
    if (bevel == nullptr) return;
    constexpr int kCell = 5;
    CImage& source = *bevel->GetCurImage();
    CImage& frame = *FrameImage();
    int width = 0, height = 0;
    frame_->GetSize(width, height);
    const auto cell = [&](int index, int x, int y) {
        const platform::Rect from{index * kCell, 0, index * kCell + kCell, kCell};
        const platform::Rect to{x, y, x + kCell, y + kCell};
        frame.Draw(&to, source, &from, 0);
    };
    for (int x = kCell; x < width - kCell; x += kCell) {
        cell(1, x, 0);
        cell(6, x, height - kCell);
    }
    for (int y = kCell; y < height - kCell; y += kCell) {
        cell(3, 0, y);
        cell(4, width - kCell, y);
    }
    cell(0, 0, 0);
    cell(2, width - kCell, 0);
    cell(5, 0, height - kCell);
    cell(7, width - kCell, height - kCell);
    bevel->ReleaseInternalRef();
}

int CShell::OnNavButton(intptr_t* record) {
    if (Closing()) return 1;
    switch (record[2]) {
    case shell_button::kHome:
        ShowPage(page_name::kHome);
        break;
    case shell_button::kGames:
        ShowPage(page_name::kGames);
        break;
    case shell_button::kSupport:
        ShowSupportPage(static_cast<int>(shell_button::kSupport));
        break;
    case shell_button::kAbout:
        ShowPage(page_name::kAbout);
        break;
    case shell_button::kJoin:
        ShowPage(page_name::kJoin);
        break;
    case shell_button::kMinimize:
        if (CSubsystem_Video* video = CurrentSurfaceServices().video) video->Minimize();
        break;
    case shell_button::kClose:
        OnExitButton();
        break;
    case shell_button::kTerms:
        ShowTermsOfService();
        break;
    default:
        break;
    }
    return 1;
}

int CShell::OnLogoClick() {
    if (Closing()) return 1;
    const bool installed = config_.installed && config_.installed();
    ShowPage(installed ? page_name::kAbout : page_name::kJoin);
    return 1;
}
