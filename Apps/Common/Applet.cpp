#include "Apps/Common/Applet.h"

#include <algorithm>
#include <utility>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ImageColour.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Common/PlayerSettings.h"
#include "Apps/Common/Screen.h"
#include "frame/api/AppletRecord.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"

namespace {

constexpr int kMenuOfEveryGame = kMenuNewGame | kMenuPause | kMenuInstructions | kMenuEmailThis;

}  // namespace

CApplet::CApplet(AppletRecord* record, HelpPageStyle help) : record_(record), help_(std::make_unique<CHelpPages>(*this, std::move(help))) {
    ModuleGlobals& globals = Globals();
    globals.record = record;
    globals.factory = record->factory;
    globals.services = record->services;
    globals.settings = record->settings;
    globals.gameArea = record->gameArea;
    globals.pageArea = record->pageArea;
    globals.applet = this;
    helpListener_.Reset(
        record->factory->AddListener(record->services, applet::kInstructions, this, Forward<&CApplet::ShowHelpPage>));
    record->services->SetMenuFlags(kMenuOfEveryGame);
}

CApplet::~CApplet() {
    EndScreen();
    helpListener_.Reset();
    help_.reset();
    Globals() = ModuleGlobals{};
}

void CApplet::EndScreen() { delete std::exchange(screen_, nullptr); }

int CApplet::SetScreen(CScreen* oldScreen, CScreen* newScreen) {
    delete oldScreen;
    screen_ = newScreen;
    return 0;
}

int CApplet::Rand() { return record_->Rand(); }

ISurface* CApplet::MakeTextButton(ISurface* owner, const char* label, int x, int y, int id, int pointSize,
                                  void* context, AppletCallback callback, const TextButtonStyle& style) {
    IShellFactory& factory = *record_->factory;
    if (label == nullptr) return nullptr;
    IFont* font = factory.CreateFont("Arial", pointSize, kFontStyleBold);
    int extent[2] = {0, 0};
    IImage* canvas = nullptr;
    record_->gameArea->GetImage(&canvas);
    if (canvas != nullptr) {
        canvas->GetTextExtent(font, label, static_cast<int>(std::char_traits<char>::length(label)), extent);
        canvas->Release();
    }
    const int width = extent[0] + kMarkupRunIndent + 2 * style.padding;
    const int height = std::max(extent[1] + 2 * style.padding, 1);

    IImage* picture = factory.CreateImage(2 * width, height, style.keyed ? kSurfaceColourKeyed : 0);
    picture->SetFont(font);
    if (style.fill) ClearToColour(*picture, *style.fill);
    SetTextColour(*picture, style.normalText);
    DrawMarkupText(picture, style.underline ? "<B><U>" : "<B>", 0, 0);
    DrawMarkupText(picture, label, style.padding, style.padding);
    SetTextColour(*picture, style.hotText);
    DrawMarkupText(picture, label, width + style.padding, style.padding);
    if (style.closeTags) DrawMarkupText(picture, "</B></U>", 0, 0);
    if (font != nullptr) font->Release();

    ISurface* button =
        factory.CreateRolloverButton(owner, context, x, y, width, height, picture, 0, id, callback);
    picture->Release();
    return button;
}

int CApplet::ShowHelpPage(intptr_t* /*args*/) { return help_->Show(0); }

int CApplet::SetPlayerSetting(const char* player, const char* item, const char* value) {
    return ::SetPlayerSetting(*record_->settings, player, item, value);
}

void CApplet::GetPlayerSetting(const char* player, const char* item, std::span<char> out) {
    ::GetPlayerSetting(*record_->settings, player, item, out);
}

void CApplet::SetPlayerSettingInt(const char* player, const char* item, int value) {
    ::SetPlayerSettingInt(*record_->settings, player, item, value);
}

int CApplet::GetPlayerSettingInt(const char* player, const char* item, int* out) {
    return ::GetPlayerSettingInt(*record_->settings, player, item, out);
}

int StopApplet() {
    delete std::exchange(Globals().applet, nullptr);
    return 0;
}

namespace applet_entry {

int Started(CApplet* root, AppletRecord* record, const char* displayName) {
    Globals().applet = root;
    if (record == nullptr || record->services == nullptr) return 0;
    return record->services->SetAppletName(displayName);
}

}  // namespace applet_entry
