// A card game for the cardback tests: it draws "CardBack.gif", whatever the shell resolves it
// to, as a row of five face-down cards on a green table.
#include "frame/api/AppletRecord.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISurface.h"

#define CARDBACK_TEST_GAME_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int kCards = 5, kFirstX = 60, kPitch = 80, kRowY = 180;

}  // namespace

CARDBACK_TEST_GAME_EXPORT int Shell_StartApplet(AppletRecord* record) {
    IImage* table = record->gameArea->GetImageDirect();
    if (table == nullptr) return 0;
    table->ClearToColor(0x00, 0x66, 0x33);
    table->DrawRML("<s2><b><cffffff>Cardback Test Game", 12, 8);
    ISurface* back = record->factory->CreateSurfaceFromFile("CardBack.gif", 0);
    if (back != nullptr) {
        if (IImage* image = back->GetImageDirect()) {
            for (int card = 0; card < kCards; ++card) table->DrawAt(image, kFirstX + kPitch * card, kRowY);
            image->Release();
        }
        back->Release();
    }
    table->Release();
    return 0;
}

CARDBACK_TEST_GAME_EXPORT int Shell_StopApplet(AppletRecord*) { return 0; }
