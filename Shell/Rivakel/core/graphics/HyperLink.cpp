#include "core/graphics/HyperLink.h"

#include "core/base/Thunk.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/text/CFont.h"

HyperLinkStyle& CurrentHyperLinkStyle() {
    static HyperLinkStyle style;
    return style;
}

std::string CHyperLink::Look(const HyperLinkStyle& style, std::string_view colour) {
    std::string out = "<T><U><s" + std::to_string(style.sizeNumber) + "><C><C" + std::string(colour) + ">";
    if (style.bold) out += "<B>";
    return out;
}

CHyperLink::CHyperLink(CSurface* owner, void* context, EventCallback callback, int x, int y, int width,
                       int height, std::string_view text, intptr_t userValue)
    : CHyperLink(owner, context, callback, x, y, width, height, text, userValue, CurrentHyperLinkStyle()) {}

CHyperLink::CHyperLink(CSurface* owner, void* context, EventCallback callback, int x, int y, int width,
                       int height, std::string_view text, intptr_t userValue, const HyperLinkStyle& style)
    : CSurface(width, height, kFlagColorKeyed | kFlagInteractive),
      userValue_(userValue),
      label_(text),
      normal_(Look(style, "000000")),
      hot_(Look(style, "0000ff")) {
    SetLoc(x, y);
    // Drawn hot first so that every pixel the hot look sets is set again by the normal look.
    Draw(hot_);
    Draw(normal_);
    Invalidate();
    if (owner) owner->AttachSurface(this);
    CSubsystem_Event* events = EventService();
    if (!events) return;
    const void* self = static_cast<const CSurface*>(this);
    command_ = events->Register(self, kEventCommand);
    user_ = events->Listen(self, kEventCommand, context, callback);
    click_ = events->Listen(self, kEventClick, this, Thunk<&CHyperLink::OnClick>);
    enter_ = events->Listen(self, kEventEnter, this, Thunk<&CHyperLink::OnEnter>);
    leave_ = events->Listen(self, kEventLeave, this, Thunk<&CHyperLink::OnLeave>);
}

CHyperLink::~CHyperLink() = default;

void CHyperLink::Draw(const std::string& look) {
    CImage* image = GetCurImage();
    if (!image) return;
    // Through the image, so that the surfaces showing it repaint the new look. The label is what
    // the rich text drew, its entities already read: it is drawn as it stands.
    DrawStyledPlainText(*image, look, label_, 0, 0, nullptr);
}

int CHyperLink::OnClick() {
    EventRecord command{0, 0, userValue_, 0, 0};
    if (command_) command_->Fire(command);
    return 1;
}

int CHyperLink::OnEnter() {
    Draw(hot_);
    return 1;
}

int CHyperLink::OnLeave() {
    Draw(normal_);
    return 1;
}

CRefCounted* CHyperLinkFactory::CreateLink(const RmlLinkRequest& request) {
    HyperLinkStyle style;
    style.sizeNumber = request.sizeIndex;
    style.bold = (request.style & kFontBold) != 0;
    // The parent keeps the link; its reference settles the creation.
    return new CHyperLink(parent_, context_, callback_, request.area.left, request.area.top, request.area.Width(),
                          request.area.Height(), request.label, request.number, style);
}
