// A button drawn from separate pictures, one per look, as a six-frame animation on the game
// area: a push button, or a toggle that keeps a selected look (which only its owner changes,
// through Select and Deselect). A click calls the owner's callback with args[0] the owner and
// args[2] the button's id.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/api/ShellObject.h"

class IAnim;
class IEventListener;
class IImage;
class ISound;
class ISurface;

// The animation's frames.
enum class ButtonLook : int {
    Normal = 0,
    Pressed = 1,  // also selected
    Hover = 2,
    Unused = 3,
    Disabled = 4,
    DisabledSelected = 5,
};

// The picture of a look named after the normal one: "btn-Hit-75x36.gif" is pressed in
// "btn-Hit-75x36_pressed.gif", under the mouse in "_sel", disabled in "_dis" and disabled while
// selected in "_pressed_dis". The unused frame has no picture of its own (empty).
std::string LookPictureName(std::string_view normal, ButtonLook look);

// The pictures of the six frames, borrowed for the construction; a null one takes the normal
// picture (which must be there).
using ButtonPictures = std::array<IImage*, 6>;

// Played on a release over the button (click) and on a click while it is disabled; borrowed, may
// be null.
struct ButtonSounds {
    ISound* click = nullptr;
    ISound* disabled = nullptr;
};

class ImageButton {
public:
    ImageButton(void* owner, const ButtonPictures& pictures, int x, int y, int id, bool toggle, AppletCallback callback,
                ButtonSounds sounds);
    // Releases the listeners, detaches the surface from the game area, releases it and the animation.
    ~ImageButton();
    ImageButton(const ImageButton&) = delete;
    ImageButton& operator=(const ImageButton&) = delete;

    void Enable();
    void Disable();
    void Select();
    void Deselect();
    bool IsSelected() const { return selected_; }
    bool IsEnabled() const { return enabled_; }
    ButtonLook Look() const { return look_; }
    ISurface* Surface() const { return surface_; }

private:
    int OnDown(intptr_t* args);
    int OnUp(intptr_t* args);
    int OnEnter(intptr_t* args);
    int OnLeave(intptr_t* args);
    void Show(ButtonLook look);
    static void Play(ISound* sound);

    void* owner_;
    AppletCallback callback_;
    ButtonSounds sounds_;
    ISurface* surface_ = nullptr;
    IAnim* anim_ = nullptr;
    std::array<IEventListener*, 4> listeners_{};
    int width_ = 0, height_ = 0;
    int id_;
    bool toggle_;
    bool enabled_ = true;
    bool selected_ = false;
    bool down_ = false;
    ButtonLook look_ = ButtonLook::Normal;
};
