// The name entry after a game whose money reaches the table: a truck drives in carrying the
// letter buttons, DEL and END, and eight boxes show the name typed so far.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Apps/Common/Screen.h"
#include "Apps/Common/ShellRef.h"
#include "Apps/Tallimo/TallimoApplet.h"
#include "Apps/Tallimo/TruckNameEntry.h"

class IEventListener;
class IImage;
class ITimer;

namespace tallimo {

class CNameEntryScreen final : public CGameScreen<CTallimoApplet> {
public:
    explicit CNameEntryScreen(CTallimoApplet& owner);

    int OnTick(intptr_t* args);
    int OnButton(intptr_t* args);
    int OnKey(intptr_t* args);
    int OnCharacter(intptr_t* args);

private:
    // What the screen shows: it is drawn again only when this changes.
    struct Shown {
        int truckX = 0;
        std::string name;
        bool cursorLit = false;
        bool operator==(const Shown&) const = default;
    };

    void Draw();
    void Arrived();
    void AddKeyButton(const char* label, int id, int left, int rowTop);
    void DrawName();
    void End();

    TruckNameEntry entry_;
    int64_t now_ = 0;
    bool arrived_ = false;
    std::optional<Shown> shown_;
    ShellRef<IImage> truck_;
    std::vector<AttachedSurface> buttons_;
    ShellRef<ITimer> timer_;
    ShellRef<IEventListener> keys_;
    ShellRef<IEventListener> characters_;
};

}  // namespace tallimo
