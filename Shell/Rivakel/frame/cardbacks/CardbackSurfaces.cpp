#include "frame/cardbacks/CardbackSurfaces.h"

#include "core/base/Thunk.h"
#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"

namespace {

ListenerPtr Listen(CSurface& surface, int code, void* context, EventCallback callback) {
    CSubsystem_Event* events = EventService();
    return events != nullptr ? events->Listen(static_cast<const CSurface*>(&surface), code, context, callback)
                             : ListenerPtr();
}

}  // namespace

CCardbackThumb::CCardbackThumb(std::string path, std::function<void(const std::string& path)> onChoose)
    : CSurface(path, kFlagInteractive, CardBackLimits()), path_(std::move(path)), onChoose_(std::move(onChoose)) {
    enter_ = Listen(*this, kEventEnter, this, Thunk<&CCardbackThumb::OnEnter>);
    leave_ = Listen(*this, kEventLeave, this, Thunk<&CCardbackThumb::OnLeave>);
    click_ = Listen(*this, kEventClick, this, Thunk<&CCardbackThumb::OnClick>);
}

CCardbackThumb::~CCardbackThumb() = default;

void CCardbackThumb::DrawEdge(uint32_t colour) {
    CImage* image = GetCurImage();
    if (image == nullptr) return;
    image->SetCurColor(colour);
    image->FrameRect(0, 0, kWidth - 1, kHeight - 1);
}

int CCardbackThumb::OnEnter() {
    DrawEdge(0xFF9900);
    return 1;
}

int CCardbackThumb::OnLeave() {
    DrawEdge(0x000000);
    return 1;
}

int CCardbackThumb::OnClick() {
    // The choice may rebuild the selector and with it this thumbnail: work on copies.
    const std::string path = path_;
    const auto choose = onChoose_;
    if (choose) choose(path);
    return 0;
}

CCheckBox::CCheckBox() : CSurface("CheckBox2.gif", kFlagInteractive | kFlagColorKeyed) {
    click_ = Listen(*this, kEventClick, this, Thunk<&CCheckBox::OnClick>);
}

CCheckBox::~CCheckBox() = default;

void CCheckBox::SetChecked(bool checked) {
    checked_ = checked;
    CAnim* anim = nullptr;
    GetAnim(anim);
    if (anim != nullptr) anim->SetFrame(checked ? 1 : 0);
}

int CCheckBox::OnClick() {
    SetChecked(!checked_);
    return 1;
}
