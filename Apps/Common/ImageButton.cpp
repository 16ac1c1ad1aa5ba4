#include "Apps/Common/ImageButton.h"

#include <cstddef>

#include "Apps/Common/Forwarder.h"
#include "Apps/Common/ModuleGlobals.h"
#include "frame/api/AppletResults.h"
#include "frame/api/IAnim.h"
#include "frame/api/IEvent.h"
#include "frame/api/IImageSeq.h"
#include "frame/api/IShellFactory.h"
#include "frame/api/ISound.h"
#include "frame/api/ISurface.h"

std::string LookPictureName(std::string_view normal, ButtonLook look) {
    const char* suffix = "";
    switch (look) {
        case ButtonLook::Normal: return std::string(normal);
        case ButtonLook::Unused: return {};
        case ButtonLook::Pressed: suffix = "_pressed"; break;
        case ButtonLook::Hover: suffix = "_sel"; break;
        case ButtonLook::Disabled: suffix = "_dis"; break;
        case ButtonLook::DisabledSelected: suffix = "_pressed_dis"; break;
    }
    const size_t dot = normal.rfind('.');
    const std::string_view stem = normal.substr(0, dot), extension = dot == std::string_view::npos ? "" : normal.substr(dot);
    return std::string(stem) + suffix + std::string(extension);
}

ImageButton::ImageButton(void* owner, const ButtonPictures& pictures, int x, int y, int id, bool toggle,
                         AppletCallback callback, ButtonSounds sounds)
    : owner_(owner), callback_(callback), sounds_(sounds), id_(id), toggle_(toggle) {
    const ModuleGlobals& globals = Globals();
    IShellFactory* factory = globals.factory;
    IImageSeq* sequence = factory->CreateImageSeqFromImage(pictures[0]);
    if (sequence != nullptr) {
        for (std::size_t frame = 1; frame < pictures.size(); ++frame)
            sequence->AddImage(pictures[frame] != nullptr ? pictures[frame] : pictures[0], 0);
        anim_ = factory->CreateAnim(sequence);
        sequence->Release();
    }
    surface_ = factory->CreateSurfaceFromAnim(anim_, kSurfaceInteractive);
    if (surface_ == nullptr) return;
    globals.gameArea->AttachSurface(surface_);
    surface_->GetSize(&width_, &height_);
    surface_->SetLoc(x, y, nullptr);
    Show(ButtonLook::Normal);
    listeners_ = {factory->AddListener(surface_, applet::kMouseDown, this, Forward<&ImageButton::OnDown>),
                  factory->AddListener(surface_, applet::kMouseUp, this, Forward<&ImageButton::OnUp>),
                  factory->AddListener(surface_, applet::kMouseEnter, this, Forward<&ImageButton::OnEnter>),
                  factory->AddListener(surface_, applet::kMouseLeave, this, Forward<&ImageButton::OnLeave>)};
}

ImageButton::~ImageButton() {
    for (IEventListener* listener : listeners_)
        if (listener != nullptr) listener->Release();
    if (surface_ != nullptr) {
        Globals().gameArea->DetachSurface(surface_);
        surface_->Release();
    }
    if (anim_ != nullptr) anim_->Release();
}

void ImageButton::Show(ButtonLook look) {
    look_ = look;
    if (anim_ != nullptr) anim_->SetFrame(static_cast<int>(look));
}

void ImageButton::Play(ISound* sound) {
    if (sound != nullptr) sound->Play(1);
}

int ImageButton::OnDown(intptr_t*) {
    if (enabled_) Show(ButtonLook::Pressed);
    down_ = true;
    return 0;
}

int ImageButton::OnUp(intptr_t* args) {
    down_ = false;
    if (!enabled_) {
        Play(sounds_.disabled);
        return 0;
    }
    const intptr_t x = args[2], y = args[3];
    if (x < 0 || x > width_ || y < 0 || y > height_) return 0;
    Play(sounds_.click);
    if (!toggle_) Show(ButtonLook::Normal);
    else Show(selected_ ? ButtonLook::Pressed : ButtonLook::Hover);
    // The owner may delete this button from its callback: nothing of it is touched after.
    intptr_t callbackArgs[3] = {reinterpret_cast<intptr_t>(owner_), 0, id_};
    if (callback_ != nullptr) callback_(callbackArgs);
    return 0;
}

int ImageButton::OnEnter(intptr_t*) {
    if (enabled_ && !selected_) Show(down_ ? ButtonLook::Pressed : ButtonLook::Hover);
    return 0;
}

int ImageButton::OnLeave(intptr_t*) {
    if (enabled_) Show(selected_ ? ButtonLook::Pressed : ButtonLook::Normal);
    return 0;
}

void ImageButton::Enable() {
    enabled_ = true;
    Show(selected_ ? ButtonLook::Pressed : ButtonLook::Normal);
}

void ImageButton::Disable() {
    enabled_ = false;
    Show(selected_ ? ButtonLook::DisabledSelected : ButtonLook::Disabled);
}

void ImageButton::Select() {
    Show(enabled_ ? ButtonLook::Pressed : ButtonLook::DisabledSelected);
    selected_ = true;
}

void ImageButton::Deselect() {
    Show(enabled_ ? ButtonLook::Normal : ButtonLook::Disabled);
    selected_ = false;
    down_ = false;
}
