#include "Apps/Tallimo/NameEntryScreen.h"

#include <string>
#include <utility>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/MarkupText.h"
#include "Apps/Common/ModuleGlobals.h"
#include "Apps/Tallimo/PlayScreen.h"
#include "Apps/Tallimo/TitleScreen.h"
#include "Apps/Tallimo/Truck.h"
#include "Apps/Tallimo/TruckMotion.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISurface.h"
#include "frame/api/ITimer.h"
#include "frame/api/MarkupEscape.h"

namespace tallimo {
namespace {

constexpr int kEntryTruckSize = 3;
constexpr int kStopX = 66;
constexpr int kLetters = 26;
constexpr int kBoxX = 4, kBoxY = 4, kBoxStep = 30, kBoxSize = 28;
constexpr int kVkBackspace = 0x08;
// The truck's load: its shelves end at x 296, its rows are 34 high. DEL and END take the room
// the letters and the name's boxes leave there, in type small enough for it.
constexpr int kLoadRight = 98 * (kEntryTruckSize - 1) + 100;
constexpr int kRowHeight = 34;
constexpr int kKeyPoints = 12;

int LetterX(int i) { return 2 * (16 * (i % 9) + (i % 9) / 3); }
int LetterY(int i) { return 34 * (i / 9) + 34; }

}  // namespace

CNameEntryScreen::CNameEntryScreen(CTallimoApplet& owner) : CGameScreen(owner) {
    const ModuleGlobals& globals = Globals();
    game.Play(Sound::HighScore);
    truck_.Reset(game.MakeTruck(kEntryTruckSize));
    timer_.Reset(factory->CreateTimer(this, kPlayTickMs, Forward<&CNameEntryScreen::OnTick>));
    if (timer_) timer_->Start();
    keys_.Reset(factory->AddListener(globals.services, applet::kKeyDown, this, Forward<&CNameEntryScreen::OnKey>));
    characters_.Reset(
        factory->AddListener(globals.services, applet::kCharacter, this, Forward<&CNameEntryScreen::OnCharacter>));
    globals.services->SetStopMode(kStopAsk);
    Draw();
}

int CNameEntryScreen::OnTick(intptr_t* args) {
    now_ = args[1];
    Draw();
    return 0;
}

void CNameEntryScreen::Draw() {
    if (canvas == nullptr) return;
    const int x = ArrivingTruckX(now_, kStopX);
    Shown wanted{x, entry_.Name(), CursorLit(now_)};
    if (shown_ == wanted) return;
    shown_ = std::move(wanted);
    canvas->ClearToColor(kYardR, kYardG, kYardB);
    if (IImage* logo = game.GetPicture(Picture::Logo)) canvas->DrawAt(logo, 35, 30);
    if (truck_) canvas->DrawAt(truck_.Get(), x, kTruckY);
    if (x == kStopX && !arrived_) Arrived();
    if (arrived_) {
        DrawMarkupTextOld(canvas, "<S2><C000000>Congratulations, you have a High Score!", 80, 190);
        DrawMarkupTextOld(canvas, "<S2><C000000>Please enter your name:", 120, 210);
        DrawName();
    }
}

void CNameEntryScreen::Arrived() {
    arrived_ = true;
    const int left = kStopX, top = kTruckY;
    for (int i = 0; i < kLetters; ++i) {
        const char label[2] = {static_cast<char>('A' + i), 0};
        buttons_.emplace_back(gameArea, game.MakeTextButton(gameArea, label, left + LetterX(i), top + LetterY(i), 'A' + i,
                                                            24, this, Forward<&CNameEntryScreen::OnButton>));
    }
    AddKeyButton("DEL", kDeleteButton, LetterX(kLetters), LetterY(kLetters));
    AddKeyButton("END", kEndButton, kBoxX + kBoxStep * static_cast<int>(kNameLetters), 0);
}

// A key centred in the room from `left` to the load's end on the row starting at `rowTop`.
void CNameEntryScreen::AddKeyButton(const char* label, int id, int left, int rowTop) {
    ISurface* button =
        game.MakeTextButton(gameArea, label, 0, 0, id, kKeyPoints, this, Forward<&CNameEntryScreen::OnButton>);
    if (button != nullptr) {
        int width = 0, height = 0;
        button->GetSize(&width, &height);
        button->SetLoc(kStopX + left + (kLoadRight - left - width) / 2, kTruckY + rowTop + (kRowHeight - height) / 2,
                       nullptr);
    }
    buttons_.emplace_back(gameArea, button);
}

// Eight dark boxes on the truck's top rack; the one at the cursor blinks.
void CNameEntryScreen::DrawName() {
    const std::string& name = entry_.Name();
    for (size_t i = 0; i < kNameLetters; ++i) {
        const int x = kStopX + kBoxX + kBoxStep * static_cast<int>(i), y = kTruckY + kBoxY;
        const bool cursor = i == name.size();
        if (cursor && !CursorLit(now_)) {
            canvas->SetCurColor(120, 120, 120);
        } else {
            canvas->SetCurColor(51, 51, 51);
        }
        canvas->FillRect(x, y, x + kBoxSize, y + kBoxSize);
        if (i < name.size()) {
            const std::string letter = "<S0><b><Cffffff>" + EscapeMarkup(name.substr(i, 1)) + "</b>";
            DrawMarkupTextOld(canvas, letter.c_str(), x, y - 2);
        }
    }
}

int CNameEntryScreen::OnButton(intptr_t* args) {
    const int id = static_cast<int>(args[2]);
    if (id == kEndButton) {
        End();
    } else if (id == kDeleteButton) {
        entry_.Delete();
    } else {
        entry_.AddLetter(static_cast<char>(id));
    }
    return 0;
}

int CNameEntryScreen::OnKey(intptr_t* args) {
    if (!arrived_) return 0;
    if (args[2] == kVkBackspace) entry_.Delete();
    return 0;
}

int CNameEntryScreen::OnCharacter(intptr_t* args) {
    if (!arrived_) return 0;
    // Letters come as typed text; Backspace is taken as a key.
    const char typed = args[4] == applet::kKeyEnter ? '\r' : static_cast<char>(args[2]);
    if (typed != '\b' && entry_.Type(typed) == NameKey::End) End();
    return 0;
}

void CNameEntryScreen::End() {
    ISettingsAccess& settings = *Globals().settings;
    HighScoreTable table = ReadHighScores(settings);
    const HighScoreTable before = table;
    InsertHighScore(table, entry_.Name(), game.Progress().Money());
    WriteHighScores(settings, table, before);
    game.SetScreen(this, new CTitleScreen(game));
}

}  // namespace tallimo
