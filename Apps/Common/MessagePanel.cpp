#include "Apps/Common/ImageColour.h"
#include "Apps/Common/MessagePanel.h"

#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

CMessagePanel::CMessagePanel(CApplet& app, int left, int top, int width, int height, const PanelStyle& style,
                             const std::vector<PanelLine>& lines, void* context, AppletCallback onUp)
    : app_(app), buttonStyle_(style.button) {
    const ModuleGlobals& globals = Globals();
    const int w = width, h = height;
    ISurface* surface = globals.factory->CreateSurface(w + 2, h + 2, kSurfaceColourKeyed);
    if (surface == nullptr) return;
    globals.gameArea->AttachSurface(surface);
    surface_ = AttachedSurface(globals.gameArea, surface);
    surface->SetLoc(left, top, nullptr);
    upListener_.Reset(globals.factory->AddListener(surface, applet::kMouseUp, context, onUp));
    surface->GetImage(image_.Out());
    if (!image_) return;
    IImage& image = *image_;
    SetPenColour(image, style.frame);
    image.FrameRect(1, 1, w, h);
    image.FrameRect(2, 2, w - 1, h - 1);
    SetPenColour(image, style.fill);
    image.FrameRect(0, 0, w + 1, h + 1);
    image.FillRect(4, 4, w - 2, h - 2);
    image.FrameRect(3, 3, w - 2, h - 2);
    SetPenColour(image, style.outline);
    image.FrameRect(0, 0, w + 1, h + 1);
    image.FrameRect(4, 4, w - 3, h - 3);
    SetTextColour(image, style.text);
    for (const PanelLine& line : lines) DrawMarkupText(&image, line.text.c_str(), line.x, line.y);
}

// The buttons, declared last, go before the panel they sit on.
CMessagePanel::~CMessagePanel() = default;

void CMessagePanel::AddButton(const char* label, int x, int y, int id, void* context, AppletCallback callback) {
    if (!surface_) return;
    if (ISurface* button = app_.MakeTextButton(surface_.Get(), label, x, y, id, 12, context, callback, buttonStyle_))
        buttons_.emplace_back(surface_.Get(), button);
}
