// The widget kit of the shell window: modal box, text and link buttons, navigation, icon, frame
// and image buttons, and the page pictures.
#include <algorithm>
#include <string>

#include "core/base/Log.h"
#include "core/graphics/CSubsystem_Event.h"
#include "core/graphics/Image.h"
#include "core/graphics/PushButton.h"
#include "core/graphics/RolloverButton.h"
#include "core/graphics/SurfaceServices.h"
#include "core/text/CSubsystem_Font.h"
#include "frame/shell/Shell.h"
#include "frame/shell/ShellPictures.h"

namespace {

CRolloverButton* MakeRollover(CSurface* owner, void* context, int x, int y, int width, int height, CImage* strip,
                              intptr_t userValue, EventCallback callback) {
    return new CRolloverButton(ButtonArgs{owner, context, x, y, width, height, strip, 0, userValue, callback});
}

// Frames 0 and 1 of a picture (frame 0 again where it has one frame only).
struct TwoFrames {
    CImage* first = nullptr;
    CImage* second = nullptr;
    int width = 0, height = 0;
};

TwoFrames FramesOf(const CSurface& picture) {
    TwoFrames frames;
    frames.first = picture.GetFrameImage(0);
    frames.second = picture.GetFrameImage(1);
    if (frames.second == nullptr) frames.second = frames.first;
    if (frames.first != nullptr) frames.first->GetSize(frames.width, frames.height);
    return frames;
}

}  // namespace

CSurface* LoadPicture(std::string_view name, unsigned flags, const GifLimits& limits) {
    auto* picture = new CSurface(name, flags, limits);
    picture->AddInternalRef();
    if (!picture->IsValid() || picture->GetCurImage() == nullptr) {
        Warning("The picture %.*s is missing", static_cast<int>(name.size()), name.data());
        picture->ReleaseInternalRef();
        return nullptr;
    }
    return picture;
}

CImage* NewStrip(int width, int height, int64_t fill) {
    auto* image = new CImage(CurrentSurfaceServices().fonts, std::max(width, 1), std::max(height, 1),
                             CRenderTarget::kFlagColorKeyed);
    const uint32_t colour = fill < 0 ? CRenderTarget::kColorKey : static_cast<uint32_t>(fill);
    image->ClearToColor(colour);
    image->AddInternalRef();
    return image;
}

namespace {

// Bold 12-pixel glyphs fill their cells, so one blank between two words looks like none:
// a caption's blanks are drawn double.
std::string CaptionText(std::string_view label) {
    std::string text;
    for (char c : label) {
        text += c;
        if (c == ' ') text += ' ';
    }
    return text;
}

}  // namespace

int TextWidth(CFont* font, std::string_view text) {
    if (font == nullptr || text.empty()) return 0;
    CImage probe(nullptr, 1, 1, 0);
    TextSize size;
    probe.GetTextExtentWithFont(font, text.data(), static_cast<int>(text.size()), size);
    return size.cx;
}

CSurface* CShell::MakeModalBox(int left, int top, int right, int bottom) {
    if (CSubsystem_Event* events = EventService()) {
        // The event service keeps the window's coordinates.
        const platform::Point at = frame_->AbsoluteLoc();
        events->SetModalRect(at.x + left, at.y + top, at.x + right - 1, at.y + bottom - 1, [this] {
            if (modalClick_) modalClick_();
        });
    }
    const int width = std::max(right - left, 1), height = std::max(bottom - top, 1);
    auto* box = new CSurface(width, height, 0);
    if (CImage* image = box->GetCurImage()) {
        image->ClearToColor(255, 255, 153);
        image->SetCurColor(0x000000);
        image->FrameRect(0, 0, width - 1, height - 1);
        image->FrameRect(4, 4, width - 5, height - 5);
        image->SetCurColor(0x996600);
        image->FrameRect(1, 1, width - 2, height - 2);
        image->FrameRect(2, 2, width - 3, height - 3);
    }
    box->SetLoc(left, top);
    frame_->AttachSurface(box);
    return box;
}

void CShell::SetModalClickCallback(std::function<void()> callback) { modalClick_ = std::move(callback); }

CRolloverButton* CShell::MakeTextButton(CSurface* parent, std::string_view text, int x, int y, intptr_t userValue,
                                        int size, uint32_t background, uint32_t normalText, uint32_t hotText,
                                        void* context, EventCallback callback) {
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    CFont* font = fonts != nullptr ? fonts->CreateFont("Arial", size, kFontBold | kFontUnderline) : nullptr;
    const int width = std::max(TextWidth(font, text), 1);
    const int height = font != nullptr ? font->LineHeight() : size;
    CImage* strip = NewStrip(2 * width + 8, height, background);
    if (font != nullptr) strip->SetFont(font);
    strip->SetTransparent(true);
    const std::string shown(text);
    strip->SetTextColor(normalText);
    strip->DrawText(shown.c_str(), static_cast<int>(shown.size()), 0, 0);
    strip->SetTextColor(hotText);
    strip->DrawText(shown.c_str(), static_cast<int>(shown.size()), width + 4, 0);
    CRolloverButton* button = MakeRollover(parent, context, x, y, width + 4, height, strip, userValue, callback);
    strip->ReleaseInternalRef();
    if (font != nullptr) font->ReleaseInternalRef();
    return button;
}

CRolloverButton* CShell::MakeLinkButton(std::string_view text, int x, int y, intptr_t userValue, int size,
                                        void* context, EventCallback callback) {
    return MakeTextButton(frame_, text, x, y, userValue, size, CRenderTarget::kColorKey, 0x999999,
                          0xFFFFFF, context, callback);
}

CRolloverButton* CShell::MakeMenuButton(std::string_view hot, std::string_view normal, std::string_view label,
                                        CSurface* parent, int x, int y, intptr_t userValue, EventCallback callback) {
    CSurface* hotPicture = LoadPicture(hot, CSurface::kFlagColorKeyed);
    CSurface* normalPicture = LoadPicture(normal, CSurface::kFlagColorKeyed);
    int pictureWidth = 0, pictureHeight = 0;
    if (normalPicture != nullptr) normalPicture->GetSize(pictureWidth, pictureHeight);
    CSubsystem_Font* fonts = CurrentSurfaceServices().fonts;
    CFont* font = fonts != nullptr ? fonts->CreateFont("Arial", 12, kFontBold) : nullptr;
    // Double blanks only where the caption still fits the menu column.
    std::string caption = CaptionText(label);
    int labelWidth = TextWidth(font, caption);
    if (labelWidth > kMenuColumnLeft + kMenuColumnRight) {
        caption = label;
        labelWidth = TextWidth(font, caption);
    }
    if (font != nullptr) font->ReleaseInternalRef();
    const int cell = std::max({pictureWidth, labelWidth, 1});
    // The picture stays at x; the label is centred under it but ends inside the column, clear of
    // the page's border.
    const int left = std::min(x - (cell - pictureWidth) / 2, x + kMenuColumnRight - cell);
    const int height = pictureHeight + 15;
    CImage* strip = NewStrip(2 * cell, height);
    const std::string markup = "<S3><B><Cffffff>" + caption;
    for (int frame = 0; frame < 2; ++frame) {
        CSurface* picture = frame == 0 ? normalPicture : hotPicture;
        if (picture != nullptr) strip->DrawAt(*picture->GetCurImage(), frame * cell + x - left, 0, 0);
        strip->DrawRML(markup.c_str(), frame * cell + (cell - labelWidth) / 2, pictureHeight - 2, nullptr, 0, nullptr);
    }
    CRolloverButton* button = MakeRollover(parent, this, left, y, cell, height, strip, userValue, callback);
    strip->ReleaseInternalRef();
    for (CSurface* picture : {hotPicture, normalPicture}) {
        if (picture != nullptr) picture->ReleaseInternalRef();
    }
    return button;
}

CRolloverButton* CShell::MakeNavButton(std::string_view name, int x, int y, intptr_t userValue,
                                       EventCallback callback) {
    const std::string wanted(name);
    CSurface* big = LoadPicture("asl-btn-big-" + wanted + "-83x28x2.gif", CSurface::kFlagColorKeyed);
    CSurface* icon = LoadPicture("asl-icn-mini-" + wanted + "-32x32x2.gif", CSurface::kFlagColorKeyed);
    const TwoFrames bigFrames = big != nullptr ? FramesOf(*big) : TwoFrames{};
    const int cell = (big != nullptr ? bigFrames.width : 83) + 2;
    constexpr int kHeight = 32;
    CImage* strip = NewStrip(2 * cell, kHeight, 0x6666FF);
    if (big != nullptr) {
        strip->DrawAt(*bigFrames.first, 0, 3, 0);
        strip->DrawAt(*bigFrames.second, cell, 3, 0);
    }
    if (icon != nullptr) {
        const TwoFrames iconFrames = FramesOf(*icon);
        strip->DrawAt(*iconFrames.first, -2, 0, 0);
        strip->DrawAt(*iconFrames.second, cell - 2, 0, 0);
    }
    CRolloverButton* button = MakeRollover(frame_, this, x, y, cell, kHeight, strip, userValue, callback);
    strip->ReleaseInternalRef();
    for (CSurface* picture : {big, icon}) {
        if (picture != nullptr) picture->ReleaseInternalRef();
    }
    return button;
}

CRolloverButton* CShell::MakeIconButton(CSurface* parent, std::string_view name, int x, int y, intptr_t userValue,
                                        EventCallback callback) {
    CSurface* picture = LoadPicture(name, CSurface::kFlagColorKeyed);
    if (picture == nullptr) return nullptr;
    const TwoFrames frames = FramesOf(*picture);
    CImage* strip = NewStrip(2 * frames.width, frames.height);
    strip->DrawAt(*frames.first, 0, 0, 0);
    strip->DrawAt(*frames.second, frames.width, 0, 0);
    CRolloverButton* button =
        MakeRollover(parent, this, x, y, frames.width, frames.height, strip, userValue, callback);
    strip->ReleaseInternalRef();
    picture->ReleaseInternalRef();
    return button;
}

CSurface* CShell::MakeFrameButton(std::string_view stripName, int x, int y, int cellWidth, int cellHeight, int cell,
                                  intptr_t userValue, EventCallback callback) {
    CSurface* picture = LoadPicture(stripName, CSurface::kFlagColorKeyed);
    CImage* strip = NewStrip(2 * cellWidth, cellHeight);
    if (picture != nullptr) {
        CImage* glyph = picture->GetFrameImage(cell);
        for (int frame = 0; frame < 2; ++frame) {
            if (CImage* background = picture->GetFrameImage(frame)) strip->DrawAt(*background, frame * cellWidth, 0, 0);
            if (glyph != nullptr) strip->DrawAt(*glyph, frame * cellWidth + frame, frame, 0);
        }
        picture->ReleaseInternalRef();
    }
    auto* button = new CPushButton(ButtonArgs{frame_, this, x, y, cellWidth, cellHeight, strip, 0, userValue, callback});
    strip->ReleaseInternalRef();
    return button;
}

CRolloverButton* CShell::MakeImageButton(std::string_view name, int x, int y, intptr_t userValue,
                                         EventCallback callback) {
    CSurface* picture = LoadPicture(name, CSurface::kFlagColorKeyed);
    if (picture == nullptr) return nullptr;
    int width = 0, height = 0;
    picture->GetSize(width, height);
    CImage* strip = NewStrip(2 * width, height);
    strip->DrawAt(*picture->GetCurImage(), 0, 0, 0);
    strip->DrawAt(*picture->GetCurImage(), width, 0, 0);
    CRolloverButton* button = MakeRollover(pageSurface_, this, x, y, width, height, strip, userValue, callback);
    strip->ReleaseInternalRef();
    picture->ReleaseInternalRef();
    return button;
}

void CShell::DrawPageImage(std::string_view file, int x, int y) {
    if (pageSurface_ == nullptr) return;
    CSurface* picture = LoadPicture(file, CSurface::kFlagColorKeyed);
    if (picture == nullptr) return;
    pageSurface_->GetCurImage()->DrawAt(*picture->GetCurImage(), x, y, 0);
    picture->ReleaseInternalRef();
}

void CShell::DrawPageHeader(std::string_view name) {
    if (name == page_name::kExit) {
        DrawPageImage("img-paghdr-join-326x50.gif", 0, 0);
        CSurface* more = LoadPicture("img-paghdr-Games-get-more-326x50.gif", CSurface::kFlagColorKeyed);
        if (more == nullptr) return;
        int width = 0, height = 0;
        more->GetSize(width, height);
        const platform::Rect into{65, 20, 326, 50};
        const platform::Rect from{0, 0, width, height};
        pageSurface_->GetCurImage()->Draw(&into, *more->GetCurImage(), &from, 0);
        more->ReleaseInternalRef();
        return;
    }
    DrawPageImage("img-paghdr-" + std::string(name) + "-326x50.gif", 0, 0);
}
