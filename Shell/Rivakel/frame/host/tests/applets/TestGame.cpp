// A game module for the host's tests. It uses the boundary the way a real game does and leaves
// its traces in the running game's shared settings, where the test reads them:
//   "Loads"        how many times this copy of the module was started (1 after a real unload)
//   "Greeting"     the user value read back after writing its default
//   "Instructions" how many Instructions notices arrived
//   "Ticks"        how many timer ticks arrived
//   "Stopped"      "1" once stopped
//   "Level", "Shared", "Secret"  the first line of the files of those names it opened at start
//                  ("Secret" is asked for one folder up, where a game may not look)
// Built with TEST_GAME_FILLS_STORE, its first start stores user values "Fill0", "Fill1"... of
// 256 KB each until the store refuses one, then empties "Fill0" and keeps how many it stored and
// the refusal's result as the user values "FillCount" and "FillRefusal".
#include <cstdio>

#include "frame/api/AppletRecord.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IFile.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ITimer.h"

#define TEST_GAME_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Game {
    AppletRecord* record = nullptr;
    IEventListener* instructions = nullptr;
    ITimer* timer = nullptr;
    int notices = 0;
    int ticks = 0;
};

Game g_game;

void Note(const char* key, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    g_game.record->settings->SetGameValue(key, text);
}

#ifndef TEST_GAME_WITHOUT_START
int g_loads = 0;

int OnInstructions(intptr_t* args) {
    auto* game = reinterpret_cast<Game*>(args[0]);
    Note("Instructions", ++game->notices);
    return 1;
}

int OnTick(intptr_t* args) {
    auto* game = reinterpret_cast<Game*>(args[0]);
    Note("Ticks", ++game->ticks);
    return 1;
}

void ReadFile(IShellFactory& factory, const char* name, const char* key) {
    IFile* file = factory.OpenFile(name, 0);
    char line[64] = {};
    int more = 1;
    for (size_t i = 0; i + 1 < sizeof line; ++i) {
        const char c = file->ReadChar(&more);
        if (more == 0 || c == '\n') break;
        line[i] = c;
    }
    file->Release();
    g_game.record->settings->SetGameValue(key, line);
}

void ReadGreeting(ISettingsAccess& settings) {
    char greeting[32] = "unset";
    if (settings.GetUserValue("Greeting", greeting, sizeof greeting) == applet::kSettingAbsent) {
        settings.SetUserValue("Greeting", "hello");
        settings.GetUserValue("Greeting", greeting, sizeof greeting);
    }
    settings.SetGameValue("Greeting", greeting);
}
#endif

#ifdef TEST_GAME_FILLS_STORE
char g_fill[1 << 18];

void FillStore(ISettingsAccess& settings) {
    char text[16];
    if (settings.GetUserValue("FillCount", text, sizeof text) == applet::kOk) return;
    for (char& c : g_fill) c = 'f';
    g_fill[sizeof g_fill - 1] = '\0';
    int count = 0;
    int result = applet::kOk;
    for (;;) {
        char key[16];
        std::snprintf(key, sizeof key, "Fill%d", count);
        if ((result = settings.SetUserValue(key, g_fill)) != applet::kOk) break;
        ++count;
    }
    // Room for the two notes.
    settings.SetUserValue("Fill0", "");
    std::snprintf(text, sizeof text, "%d", count);
    settings.SetUserValue("FillCount", text);
    std::snprintf(text, sizeof text, "%d", result);
    settings.SetUserValue("FillRefusal", text);
}
#endif

}  // namespace

#ifndef TEST_GAME_WITHOUT_START
TEST_GAME_EXPORT int Shell_StartApplet(AppletRecord* record) {
    g_game = Game{};
    g_game.record = record;
    Note("Loads", ++g_loads);
    IShellFactory& factory = *record->factory;
    g_game.instructions = factory.AddListener(record->services, applet::kInstructions, &g_game, OnInstructions);
    g_game.timer = factory.CreateTimer(&g_game, 20, OnTick);
    g_game.timer->Start();
    ReadGreeting(*record->settings);
    ReadFile(factory, "Level.txt", "Level");
    ReadFile(factory, "Shared.txt", "Shared");
    ReadFile(factory, "..\\Secret.txt", "Secret");
#ifdef TEST_GAME_FILLS_STORE
    FillStore(*record->settings);
#endif
    return record->services->SetAppletName("TestGame");
}
#endif

TEST_GAME_EXPORT int Shell_StopApplet(AppletRecord* record) {
    if (g_game.timer != nullptr) g_game.timer->Release();
    if (g_game.instructions != nullptr) g_game.instructions->Release();
    g_game.timer = nullptr;
    g_game.instructions = nullptr;
    if (g_game.record != nullptr) Note("Stopped", 1);
    (void)record;
    return 0;
}
