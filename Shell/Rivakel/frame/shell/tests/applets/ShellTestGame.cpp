// A game module for the shell window's tests and screenshots. It draws a board with a square
// that moves on the game clock (so a pause shows), asks for the full menu, draws its help page,
// and answers keys with the shell's boxes:
//   M  a message box with OK and Cancel         I  an input box
//   E  an e-mail confirmation                   T  a message box from a wall-clock timer, which
//   J  an input box without Cancel                 opens a second one inside the first (nested)
// What it heard is kept in its shared settings ("Box", "Input", "Mail", "Keys", "Nested"); a
// personalised message it was started with is drawn on the board and kept as "Message".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "frame/api/AppletRecord.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

#define SHELL_TEST_GAME_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int kSquare = 40;

struct Game {
    AppletRecord* record = nullptr;
    IEventListener* keys = nullptr;
    IEventListener* help = nullptr;
    ITimer* step = nullptr;
    ITimer* boxTimer = nullptr;
    ITimer* nestTimer = nullptr;
    IImage* board = nullptr;
    int x = 0;
    int keyCount = 0;
    int boxDepth = 0;
    char message[128] = {};
};

Game g_game;

void Note(const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    g_game.record->settings->SetGameValue(key, text);
}

void DrawBoard() {
    IImage* image = g_game.board;
    if (image == nullptr) return;
    image->ClearToColor(0x99, 0xCC, 0xCC);
    image->SetCurColor(0x33, 0x33, 0x99);
    image->FillRect(0, 0, 500, 40);
    image->DrawRML("<s2><b><cffffff>Shell Test Game", 12, 8);
    image->SetCurColor(0xC0, 0x00, 0x00);
    image->FillRect(g_game.x, 190, g_game.x + kSquare, 190 + kSquare);
    if (g_game.message[0] != '\0') {
        image->SetTextColor(0x33, 0x33, 0x99);
        image->DrawText(g_game.message, static_cast<int>(std::strlen(g_game.message)), 12, 60);
    }
}

void TakeMessage(IShellServices& services) {
    char* message = nullptr;
    if (services.TakePendingMessage(&message) != applet::kOk || message == nullptr) return;
    std::snprintf(g_game.message, sizeof g_game.message, "%s", message);
    std::free(message);
    g_game.record->settings->SetGameValue("Message", g_game.message);
}

int OnStep(intptr_t* args) {
    auto* game = reinterpret_cast<Game*>(args[0]);
    game->x = (game->x + 4) % (500 - kSquare);
    DrawBoard();
    return 1;
}

int MailOk(intptr_t* args) {
    Note("Mail", static_cast<int>(args[1]) + 1000);
    return 0;
}

int MailFail(intptr_t* args) {
    Note("Mail", static_cast<int>(args[1]));
    return 0;
}

// The first timer's box is up when the second timer fires and opens its own box inside it.
int OnBoxTimer(intptr_t* args) {
    auto* game = reinterpret_cast<Game*>(args[0]);
    ITimer* self = game->boxDepth == 0 ? game->boxTimer : game->nestTimer;
    self->Stop();
    ++game->boxDepth;
    Note("Nested", game->boxDepth);
    if (game->boxDepth == 1) game->nestTimer->Start();
    game->record->services->MessageBox("Timer Box", "A box opened from a timer.", kBoxOkCancel);
    --game->boxDepth;
    return 1;
}

int OnKey(intptr_t* args) {
    auto* game = reinterpret_cast<Game*>(args[0]);
    IShellServices& services = *game->record->services;
    Note("Keys", ++game->keyCount);
    switch (static_cast<int>(args[2])) {
    case 'M':
        Note("Box", services.MessageBox("Test Game", "Hello from the game.", kBoxOkCancel | kBoxExclamation));
        break;
    case 'I': {
        char entry[17] = "";
        const int answer = services.InputBox("Test Game", "Your name:", "Player", entry, sizeof entry, kBoxOkCancel);
        Note("Input", answer);
        if (answer == applet::kBoxOk) game->record->settings->SetGameValue("Entry", entry);
        break;
    }
    case 'J': {
        char entry[9] = "";
        Note("Input", services.InputBox("Test Game", "A word, please:", "", entry, sizeof entry, 0));
        break;
    }
    case 'E':
        services.ConfirmEmail("Hi", "friend@example.test", "Play with me", "a<b|c", 7, MailOk, MailFail);
        break;
    case 'T':
        game->boxTimer->Start();
        break;
    default:
        break;
    }
    return 1;
}

int OnHelp(intptr_t* args) {
    auto* game = reinterpret_cast<Game*>(args[0]);
    IImage* page = game->record->pageArea->GetImageDirect();
    if (page == nullptr) return 1;
    page->ClearToColor(0xFF, 0xFF, 0xCC);
    page->DrawRML("<s2><b><c333399>How to play</b><br><s3><c333333>Watch the red square. Press M, I, E or T.", 20, 20);
    page->Release();
    return 1;
}

}  // namespace

SHELL_TEST_GAME_EXPORT int Shell_StartApplet(AppletRecord* record) {
    g_game = Game{};
    g_game.record = record;
    IShellFactory& factory = *record->factory;
    g_game.keys = factory.AddListener(record->services, applet::kKeyDown, &g_game, OnKey);
    g_game.help = factory.AddListener(record->services, applet::kInstructions, &g_game, OnHelp);
    g_game.step = factory.CreateTimer(&g_game, 50, OnStep);
    g_game.step->Start();
    g_game.boxTimer = factory.CreateTimer(&g_game, 100, OnBoxTimer);
    g_game.boxTimer->SetClock(1);
    g_game.nestTimer = factory.CreateTimer(&g_game, 100, OnBoxTimer);
    g_game.nestTimer->SetClock(1);
    g_game.board = record->gameArea->GetImageDirect();
    record->services->SetMenuFlags(kMenuEmailThis | kMenuNewGame | kMenuPause | kMenuInstructions);
    TakeMessage(*record->services);
    DrawBoard();
    return 0;
}

SHELL_TEST_GAME_EXPORT int Shell_StopApplet(AppletRecord*) {
    for (IShellObject* object :
         {static_cast<IShellObject*>(g_game.step), static_cast<IShellObject*>(g_game.boxTimer),
          static_cast<IShellObject*>(g_game.nestTimer), static_cast<IShellObject*>(g_game.keys),
          static_cast<IShellObject*>(g_game.help), static_cast<IShellObject*>(g_game.board)}) {
        if (object != nullptr) object->Release();
    }
    g_game = Game{};
    return 0;
}
