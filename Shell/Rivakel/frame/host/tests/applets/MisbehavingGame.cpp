// Game modules that misbehave on purpose, one way each, chosen by GAME_WAY when the module is
// built. None of them cleans up in Shell_StopApplet: the host has to. What arrives while the game
// runs is counted in the running game's shared settings ("Calls"), where the tests read it.
#include <cstdio>
#include <stdexcept>

#include "frame/api/AppletRecord.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISound.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"

#define TEST_GAME_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

AppletRecord* g_record = nullptr;
int g_calls = 0;

int Count(intptr_t* /*args*/) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", ++g_calls);
    g_record->settings->SetGameValue("Calls", text);
    return 1;
}

}  // namespace

// The ways, one of which GAME_WAY names; the others go unused in each module.
namespace ways {

// A timer left running.
void LeaveTimer(AppletRecord& record) { record.factory->CreateTimer(nullptr, 10, Count)->Start(); }

// Listeners left on the shell window's keys, the game area's mouse and the Instructions notice.
void LeaveListeners(AppletRecord& record) {
    record.factory->AddListener(record.services, applet::kKeyDown, nullptr, Count);
    record.factory->AddListener(record.gameArea, applet::kMouseDown, nullptr, Count);
    record.factory->AddListener(record.services, applet::kInstructions, nullptr, Count);
}

// A button on the game area whose interface object is released: only the game area holds it.
// Another one is simply kept.
void LeaveButtons(AppletRecord& record) {
    record.factory->CreateRolloverButton(record.gameArea, nullptr, 10, 10, 40, 20, nullptr, 0, 1, Count)->Release();
    record.factory->CreatePushButton(record.gameArea, nullptr, 100, 10, 40, 20, nullptr, 0, 2, Count);
}

// A sound playing a thousand times over.
void LeaveSound(AppletRecord& record) { record.factory->CreateSound("TestTone.wav", 0)->Play(1000); }

// A surface and a text field on the page area.
void LeavePageSurfaces(AppletRecord& record) {
    ISurface* surface = record.factory->CreateSurface(50, 50, kSurfaceInteractive);
    record.pageArea->AttachSurface(surface);
    surface->Release();
    record.factory->CreateEditField(record.pageArea, nullptr, 0, 60, 100, 20, Count, kEditAutoScroll);
}

// Every object of the record released and destroyed, and used afterwards.
void EndTheRecord(AppletRecord& record) {
    IShellObject* lent[] = {record.gameArea, record.pageArea, record.factory, record.services, record.settings};
    for (IShellObject* object : lent) {
        object->Release();
        object->Release();
        object->Destroy(0);
        object->Destroy(1);
    }
    record.Release();
    record.Destroy(1);
    int width = 0, height = 0;
    record.gameArea->GetSize(&width, &height);
    char text[16];
    std::snprintf(text, sizeof text, "%d", width);
    record.settings->SetGameValue("AreaWidth", text);
    record.factory->CreateTimer(nullptr, 10, Count)->Release();
}

// A mail whose answer may come after the game has stopped.
void AskForMail(AppletRecord& record) {
    record.services->ConfirmEmail("first", "friend@example.org", "third", "item", 5, Count, Count);
}

// A callback and the start itself let exceptions out.
int Throw(intptr_t* args);
void Throws(AppletRecord& record) {
    record.factory->CreateTimer(nullptr, 10, Throw)->Start();
    throw std::runtime_error("thrown by a game's start");
}

// The Instructions notice opens a box, during which the shell window may ask for a stop.
int AskDuringNotice(intptr_t* args);
void AskOnInstructions(AppletRecord& record) {
    record.factory->AddListener(record.services, applet::kInstructions, nullptr, AskDuringNotice);
}

int Throw(intptr_t* args) {
    Count(args);
    throw std::runtime_error("thrown by a game");
}

int AskDuringNotice(intptr_t* args) {
    Count(args);
    g_record->services->MessageBox("Help", "Stop now?", kBoxOkCancel);
    // Still running after the box: the stop waits for this call to return.
    g_record->settings->SetGameValue("AfterBox", "1");
    return 1;
}

}  // namespace ways

TEST_GAME_EXPORT int Shell_StartApplet(AppletRecord* record) {
    g_record = record;
    ways::GAME_WAY(*record);
    return 0;
}

#ifndef TEST_GAME_WITHOUT_STOP
TEST_GAME_EXPORT int Shell_StopApplet(AppletRecord* /*record*/) { return 0; }
#endif
