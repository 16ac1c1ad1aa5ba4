#include "Apps/Glimtide/Panel.h"

#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Glimtide/GlimtideApplet.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

namespace glimtide {

CPanel::CPanel(CGlimtideApplet& game, const PanelBox& box, const std::vector<PanelLine>& lines, void* context,
               AppletCallback onUp)
    : game_(game) {
    const ModuleGlobals& globals = Globals();
    const int w = box.right - box.left, h = box.bottom - box.top;
    surface_ = globals.factory->CreateSurface(w + 2, h + 2, kSurfaceColourKeyed);
    if (surface_ == nullptr) return;
    globals.gameArea->AttachSurface(surface_);
    surface_->SetLoc(box.left, box.top - 75, nullptr);
    upListener_ = globals.factory->AddListener(surface_, applet::kMouseUp, context, onUp);
    surface_->GetImage(&image_);
    if (image_ == nullptr) return;
    image_->SetCurColor(0, 99, 99);
    image_->FrameRect(1, 1, w, h);
    image_->FrameRect(2, 2, w - 1, h - 1);
    image_->SetCurColor(153, 204, 255);
    image_->FrameRect(0, 0, w + 1, h + 1);
    image_->FillRect(4, 4, w - 2, h - 2);
    image_->FrameRect(3, 3, w - 2, h - 2);
    image_->SetCurColor(0, 0, 0);
    image_->FrameRect(0, 0, w + 1, h + 1);
    image_->FrameRect(4, 4, w - 3, h - 3);
    for (const PanelLine& line : lines) DrawMarkupText(image_, line.text.c_str(), line.x, line.y);
}

CPanel::~CPanel() {
    for (ISurface* button : buttons_) {
        if (surface_ != nullptr) surface_->DetachSurface(button);
        button->Release();
    }
    if (upListener_ != nullptr) upListener_->Release();
    if (image_ != nullptr) image_->Release();
    if (surface_ != nullptr) {
        Globals().gameArea->DetachSurface(surface_);
        surface_->Release();
    }
}

void CPanel::AddButton(const char* label, int x, int y, int id, void* context, AppletCallback callback) {
    if (surface_ == nullptr) return;
    if (ISurface* button = game_.MakeTextButton(surface_, label, x, y, id, 12, context, callback))
        buttons_.push_back(button);
}

}  // namespace glimtide
