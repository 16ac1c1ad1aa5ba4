#include "oldest/BigMenuButton.h"

#include <algorithm>

#include "core/base/Thunk.h"
#include "core/graphics/Anim.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/SurfaceServices.h"
#include "core/text/CFont.h"
#include "core/text/CSubsystem_Cursor.h"
#include "core/text/CSubsystem_Font.h"

struct CBigMenuButton::Plan {
    int surfaceWidth = 0, surfaceHeight = 0;
    int pictureX = 0;
    platform::Rect caption{};
};

namespace {

using Plan = CBigMenuButton::Plan;

constexpr int kMeasurePoints = 12;
constexpr int kLooks = 4;

// The caption as a 12-point Arial lays it out.
TextSize Measure(std::string_view caption) {
    TextSize size;
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    if (fonts == nullptr || caption.empty()) return size;
    CFont* font = fonts->CreateFont("Arial", kMeasurePoints, 0);
    auto* scratch = new CImage(fonts, 1, 1, 0);
    scratch->AddInternalRef();
    scratch->GetTextExtentWithFont(font, caption.data(), static_cast<int>(caption.size()), size);
    scratch->ReleaseInternalRef();
    fonts->DeleteFont(font);
    return size;
}

Plan MakePlan(int width, int height, std::string_view caption, unsigned flags) {
    Plan plan{width, height, 0, {}};
    const TextSize size = Measure(caption);
    if ((flags & CBigMenuButton::kCaptionBelow) != 0) {
        plan.surfaceWidth = std::max(width, size.cx);
        plan.pictureX = (plan.surfaceWidth - width) / 2;
        const int left = (plan.surfaceWidth - size.cx) / 2;
        plan.caption = {left, height, left + size.cx, height + size.cy};
        plan.surfaceHeight = height + size.cy;
    } else if ((flags & CBigMenuButton::kCaptionOn) != 0) {
        const int left = (width - size.cx) / 2, top = (height - size.cy) / 2;
        plan.caption = {left, top, left + size.cx, top + size.cy};
    }
    return plan;
}

// Cell `index` of a strip of width x height cells, drawn at (x, 0).
void DrawCell(CImage& target, const CSurface* strip, int index, int x, int width, int height) {
    CImage* source = strip != nullptr ? strip->GetCurImage() : nullptr;
    if (source == nullptr || index < 0) return;
    const platform::Rect from{index * width, 0, (index + 1) * width, height};
    const platform::Rect to{x, 0, x + width, height};
    target.Draw(&to, *source, &from, 0);
}

CSurface* LoadStrip(std::string_view name) {
    auto* strip = new CSurface(name, CSurface::kFlagColorKeyed);
    strip->AddInternalRef();
    return strip;
}

CAnim* MakeLooks(const Plan& plan, int width, int height, std::string_view backStrip, std::string_view iconStrip,
                 int iconIndex, std::string_view caption, unsigned flags, uint32_t background) {
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    CSurface* backs = LoadStrip(backStrip);
    CSurface* icons = LoadStrip(iconStrip);
    auto* sequence = new CImageSeq();
    for (int look = 0; look < kLooks; ++look) {
        auto* image = new CImage(fonts, plan.surfaceWidth, plan.surfaceHeight, 0);
        image->ClearToColor(background);
        const int back = look == CBigMenuButton::kNormal && (flags & CBigMenuButton::kAlternateBack) != 0
                             ? CBigMenuButton::kFourth
                             : look;
        DrawCell(*image, backs, back, plan.pictureX, width, height);
        DrawCell(*image, icons, iconIndex, plan.pictureX, width, height);
        if (!caption.empty() && (flags & (CBigMenuButton::kCaptionBelow | CBigMenuButton::kCaptionOn)) != 0) {
            // Centred by the markup across the whole width, whatever font the markup picks.
            const platform::Rect box{0, plan.caption.top, plan.surfaceWidth, plan.surfaceHeight};
            const std::string text = BigMenuCaption(caption, flags, look == CBigMenuButton::kHover);
            image->DrawRML(text.c_str(), 0, plan.caption.top, &box, 0, nullptr);
        }
        sequence->AddImage(image, 0);
    }
    backs->ReleaseInternalRef();
    icons->ReleaseInternalRef();
    return new CAnim(sequence);
}

void SelectStockCursor(int index) {
    if (CSubsystem_Cursor* cursors = CurrentSurfaceServices().cursors) {
        cursors->SelectCursor(cursors->GetStockCursor(index));
    }
}

}  // namespace

std::string BigMenuCaption(std::string_view caption, unsigned flags, bool hover) {
    const std::string colour = hover ? "FFFF33" : "FFFFFF";
    const std::string text(caption);
    if ((flags & CBigMenuButton::kCaptionOn) != 0 && (flags & CBigMenuButton::kCaptionBelow) == 0) {
        return "<T><S2><b><FArial><sh><C" + colour + "><c>" + text + "</c></b>";
    }
    return "<T><S4><FArial><sh><C" + colour + "><C><U>" + text + "</U></c>";
}

CBigMenuButton::CBigMenuButton(CSurface* parent, void* target, int x, int y, int width, int height,
                               std::string_view backStrip, std::string_view iconStrip, int iconIndex, int id,
                               std::string_view caption, unsigned flags, uint32_t background, EventCallback callback)
    : CBigMenuButton(MakePlan(width, height, caption, flags), parent, target, x, y, width, height, backStrip, iconStrip,
                     iconIndex, id, caption, flags, background, callback) {}

// The caption is measured once; the looks and the button's places share the plan.
CBigMenuButton::CBigMenuButton(const Plan& plan, CSurface* parent, void* target, int x, int y, int width, int height,
                               std::string_view backStrip, std::string_view iconStrip, int iconIndex, int id,
                               std::string_view caption, unsigned flags, uint32_t background, EventCallback callback)
    : CSurface(MakeLooks(plan, width, height, backStrip, iconStrip, iconIndex, caption, flags, background), 0),
      id_(id) {
    pictureX_ = plan.pictureX;
    caption_ = plan.caption;
    ButtonArgs args;
    args.owner = parent;
    args.context = target;
    args.x = x - plan.pictureX;
    args.y = y;
    args.userValue = id;
    args.callback = callback;
    command_ = PlaceButton(*this, args);
    click_ = Own(kEventClick, Thunk<&CBigMenuButton::OnClickThunk>);
    press_ = Own(kEventLeftDown, Thunk<&CBigMenuButton::OnPressThunk>);
    enter_ = Own(kEventEnter, Thunk<&CBigMenuButton::OnEnterThunk>);
    leave_ = Own(kEventLeave, Thunk<&CBigMenuButton::OnLeaveThunk>);
}

CBigMenuButton::~CBigMenuButton() {
    leave_.reset();
    enter_.reset();
    press_.reset();
    click_.reset();
    command_ = {};
}

ListenerPtr CBigMenuButton::Own(int code, EventCallback callback) {
    CSubsystem_Event* events = EventService();
    return events != nullptr ? events->Listen(static_cast<const CSurface*>(this), code, this, callback) : ListenerPtr();
}

int CBigMenuButton::OnClick() {
    if (!enabled_ || !command_.event) return 0;
    // The pointer is still over the button; the command may replace the button, so the look
    // comes back first.
    Show(kHover);
    EventRecord command{0, 0, id_, 0, 0};
    command_.event->Fire(command);
    return 0;
}

void CBigMenuButton::OnHover(bool entering) {
    if (!enabled_) return;
    Show(entering ? kHover : highlighted_ ? kHighlighted : kNormal);
    SelectStockCursor(entering ? kCursorHand : kCursorPointer);
}

void CBigMenuButton::OnPress() {
    if (enabled_) Show(kFourth);
}

void CBigMenuButton::SetHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    Show(highlighted ? kHighlighted : kNormal);
}

int CBigMenuButton::Look() const {
    CAnim* anim = nullptr;
    GetAnim(anim);
    return anim != nullptr ? anim->FrameIndex() : kNormal;
}

void CBigMenuButton::Show(int look) { ShowButtonFrame(*this, look); }

int CBigMenuButton::OnClickThunk() {
    OnClick();
    return 1;
}

int CBigMenuButton::OnPressThunk() {
    OnPress();
    return 1;
}

int CBigMenuButton::OnEnterThunk() {
    OnHover(true);
    return 1;
}

int CBigMenuButton::OnLeaveThunk() {
    OnHover(false);
    return 1;
}
