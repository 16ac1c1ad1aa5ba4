#include "frame/pages/settings/VolumeKnob.h"

#include "core/base/Thunk.h"
#include "core/graphics/ButtonArgs.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "frame/pages/settings/VolumeScale.h"
#include "frame/shell/ShellPictures.h"

namespace {

constexpr const char* kUnlit = "img-tabunlit.gif";
constexpr const char* kLit = "img-tablit.gif";
constexpr int kKnobY = 242;
constexpr int kKnobWidth = 18, kKnobHeight = 26;

// Both looks side by side: the knob's two frames.
CAnim* KnobFrames() {
    CSurface* unlit = LoadPicture(kUnlit, CSurface::kFlagColorKeyed);
    CSurface* lit = LoadPicture(kLit, CSurface::kFlagColorKeyed);
    int width = kKnobWidth, height = kKnobHeight;
    if (unlit != nullptr) unlit->GetSize(width, height);
    CImage* strip = NewStrip(2 * width, height);
    if (unlit != nullptr) strip->DrawAt(*unlit->GetCurImage(), 0, 0, 0);
    if (lit != nullptr) strip->DrawAt(*lit->GetCurImage(), width, 0, 0);
    ButtonArgs args;
    args.width = width;
    args.height = height;
    args.strip = strip;
    CAnim* anim = MakeButtonAnim(args);
    strip->ReleaseInternalRef();
    for (CSurface* picture : {unlit, lit}) {
        if (picture != nullptr) picture->ReleaseInternalRef();
    }
    return anim;
}

}  // namespace

CVolumeKnob::CVolumeKnob(CSurface& parent, int volume, std::function<void(int)> release)
    : CSurface(KnobFrames(), kFlagColorKeyed | kFlagInteractive), release_(std::move(release)) {
    int height = 0;
    GetSize(width_, height);
    SetLoc(KnobXForVolume(volume, width_), kKnobY);
    parent.AttachSurface(this);
    CSubsystem_Event* events = EventService();
    if (events == nullptr) return;
    const void* self = static_cast<const CSurface*>(this);
    enter_ = events->Listen(self, kEventEnter, this, Thunk<&CVolumeKnob::OnEnter>);
    leave_ = events->Listen(self, kEventLeave, this, Thunk<&CVolumeKnob::OnLeave>);
    down_ = events->Listen(self, kEventLeftDown, this, Thunk<&CVolumeKnob::OnDown>);
    move_ = events->Listen(self, kEventMouseMove, this, Thunk<&CVolumeKnob::OnMove>);
    up_ = events->Listen(self, kEventLeftUp, this, Thunk<&CVolumeKnob::OnUp>);
}

CVolumeKnob::~CVolumeKnob() = default;

int CVolumeKnob::OnEnter() {
    ShowButtonFrame(*this, 1);
    return 1;
}

int CVolumeKnob::OnLeave() {
    if (!dragging_) ShowButtonFrame(*this, 0);
    return 1;
}

int CVolumeKnob::OnDown(intptr_t* record) {
    dragging_ = true;
    grabX_ = static_cast<int>(record[2]);
    return 1;
}

int CVolumeKnob::OnMove(intptr_t* record) {
    if (!dragging_) return 1;
    int x = 0, y = 0;
    GetLoc(x, y);
    SetLoc(SnapKnobX(x + static_cast<int>(record[2]) - grabX_, width_), y);
    return 1;
}

int CVolumeKnob::OnUp() {
    if (!dragging_) return 1;
    dragging_ = false;
    int x = 0, y = 0;
    GetLoc(x, y);
    ShowButtonFrame(*this, 0);
    // Last: setting the volume may play the click and redraw the page.
    if (release_) release_(VolumeForKnobX(x, width_));
    return 1;
}
