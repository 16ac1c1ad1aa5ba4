#include "Apps/Vintrel/StaffScreen.h"

#include <array>
#include <string>
#include <string_view>

#include "Apps/Common/CentredText.h"
#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ImageColour.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Vintrel/TitleScreen.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace vintrel {
namespace {

constexpr int kTickMs = 20;
constexpr int kBlobs = 10;
constexpr int kHeadingY = 30;
constexpr int kFirstNameY = 60;
constexpr int kNameStep = 20;
// The list lies on a keyed sheet over the blobs, from a little above the heading down.
constexpr int kSheetTop = 24, kSheetHeight = 196;
constexpr int kWidth = 500;
constexpr const char* kHeading = "The Rivakel Team";
// The heading's black reads on a light plate, as the title's table does.
constexpr uint32_t kPlate = 0xCCCCEE, kPlateEdge = 0x333399;
constexpr int kPlateMargin = 8;
constexpr int kHeadingPoints = 14;

constexpr std::array<std::string_view, 8> kStaffNames = {
    "Orla Penhallow - Producer",     "Tamsin Quarrie - Game Design", "Ivo Braddock - Programming",
    "Nell Vasquero - Art",           "Cosmo Hurrell - Sound",        "Pip Aldermoor - Testing",
    "Juno Castellane - Help Pages",  "and every blob in the pond",
};

}  // namespace

CStaffScreen::CStaffScreen(CVintrelApplet& owner)
    : CVintrelScreen(owner), rand_([&owner] { return owner.Rand(); }), view_(owner, *factory, *gameArea) {
    for (int i = 0; i < kBlobs; ++i) blobs_.push_back(CBaddie::OnStaffScreen(rand_));
    view_.ShowBaddies(blobs_);
    if (canvas != nullptr)
        if (IImage* pond = game.PondPicture()) canvas->DrawAt(pond, 0, 0);
    DrawList();
    done_ = AttachedSurface(gameArea, game.MakeTextButton(gameArea, "Done", 428, 385, 1, 18, ButtonLook::Staff, this,
                                                          Forward<&CStaffScreen::OnDone>));
    timer_.Reset(factory->CreateTimer(this, kTickMs, Forward<&CStaffScreen::OnTick>));
    if (timer_) timer_->Start();
}

CStaffScreen::~CStaffScreen() {
    timer_.Reset();
    list_.Reset();
    view_.Clear();
}

// Attached after the blobs, so they drift behind the names.
void CStaffScreen::DrawList() {
    ISurface* sheet = factory->CreateSurface(kWidth, kSheetHeight, kSurfaceColourKeyed);
    if (sheet == nullptr) return;
    sheet->SetNoHit(true);
    sheet->SetLoc(0, kSheetTop, nullptr);
    gameArea->AttachSurface(sheet);
    list_ = AttachedSurface(gameArea, sheet);
    ShellRef<IImage> image;
    sheet->GetImage(image.Out());
    if (!image) return;
    image->ClearToColor(255, 0, 255);
    const int headingWidth = TextWidth(*image, *factory, kHeading, kHeadingPoints, true);
    const int plateLeft = (kWidth - headingWidth) / 2 - kPlateMargin, plateTop = kHeadingY - kSheetTop - 3;
    const int plateRight = kWidth - plateLeft, plateBottom = plateTop + 23;
    SetPenColour(*image, kPlate);
    image->FillRect(plateLeft, plateTop, plateRight, plateBottom);
    SetPenColour(*image, kPlateEdge);
    image->FrameRect(plateLeft, plateTop, plateRight, plateBottom);
    const std::string heading = std::string("<S2><c><b><c000000><u>") + kHeading + "</b></c></u>";
    DrawMarkupText(image.Get(), heading.c_str(), 0, kHeadingY - kSheetTop);
    int y = kFirstNameY - kSheetTop;
    for (const std::string_view name : kStaffNames) {
        const std::string line = "<S3><c><b><cFFFFFF>" + std::string(name) + "</b></c>";
        DrawMarkupText(image.Get(), line.c_str(), 0, y);
        y += kNameStep;
    }
}

int CStaffScreen::OnTick(intptr_t* args) {
    for (CBaddie& blob : blobs_) blob.Step(static_cast<int64_t>(args[2]), rand_, true);
    view_.ShowBaddies(blobs_);
    return 0;
}

int CStaffScreen::OnDone(intptr_t*) { return game.SetScreen(this, MakeTitleScreen(game)); }

}  // namespace vintrel
