#include "Apps/Common/StaffScreen.h"

#include <string>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

namespace {

constexpr int kFirstNameY = 30;
constexpr int kNameStep = 18;

void DrawCentredLine(IImage* canvas, std::string_view text, int y) {
    const std::string line = "<S3><c><b><c000000>" + std::string(text) + "</b></c>";
    DrawMarkupText(canvas, line.c_str(), 0, y);
}

}  // namespace

CStaffScreen::CStaffScreen(CApplet& owner, CPlayer& who, const StaffScreenStyle& style)
    : CPlayerScreen(owner, who), makeTitle_(style.makeTitle) {
    const ModuleGlobals& globals = Globals();
    IImage* canvas = nullptr;
    globals.gameArea->GetImage(&canvas);
    if (canvas != nullptr) canvas->ClearToColor(style.fill >> 16 & 0xFF, style.fill >> 8 & 0xFF, style.fill & 0xFF);
    button_ = app.MakeTextButton(globals.gameArea, "Return to Game", 348, 397, 0, 18, this,
                                 Forward<&CStaffScreen::ReturnToGame>, style.button);
    if (canvas != nullptr) {
        DrawCentredLine(canvas, style.heading, 10);
        int y = kFirstNameY;
        for (std::string_view name : style.names) {
            DrawCentredLine(canvas, name, y);
            y += kNameStep;
        }
        canvas->Release();
    }
    timer_ = globals.factory->CreateTimer(this, 100, NullTickThunk);
    if (timer_ != nullptr) timer_->Start();
}

CStaffScreen::~CStaffScreen() {
    if (button_ != nullptr) {
        Globals().gameArea->DetachSurface(button_);
        button_->Release();
    }
    if (timer_ != nullptr) {
        timer_->Stop();
        timer_->Release();
    }
}

int CStaffScreen::ReturnToGame(intptr_t* /*args*/) {
    if (makeTitle_ == nullptr) return 0;
    app.SetScreen(this, makeTitle_(app, player));
    return 0;
}
