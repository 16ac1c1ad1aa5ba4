#include "Apps/Common/Screen.h"

#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/IImage.h"
#include "frame/api/ISurface.h"

CCanvasScreen::CCanvasScreen(CApplet& owner) : factory(Globals().factory), gameArea(Globals().gameArea), app(owner) {
    gameArea->GetImage(&canvas);
}

CCanvasScreen::~CCanvasScreen() {
    if (canvas != nullptr) canvas->Release();
}
