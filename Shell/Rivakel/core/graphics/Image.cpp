#include "core/graphics/Image.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "core/text/CSubsystem_Font.h"

int& RmlCurrentLink() {
    static int link = -1;
    return link;
}

CImage::CImage(CSubsystem_Font* fonts, int width, int height, unsigned flags) : target_(width, height, flags) {
    InitFont(fonts);
}

CImage::CImage(CSubsystem_Font* fonts, const CImage& source, int index, int width, int height, int cellWidth,
               int cellHeight)
    : target_(width, height, source.target_.IsColorKeyed() ? CRenderTarget::kFlagColorKeyed : 0) {
    InitFont(fonts);
    if (cellWidth == -1) {
        cellWidth = width;
        cellHeight = height;
    }
    const auto clamp = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); };
    const platform::Rect cell{clamp(int64_t{index} * cellWidth), 0, clamp((int64_t{index} + 1) * cellWidth), cellHeight};
    target_.Blit(nullptr, source.target_, &cell, 0);
}

void CImage::InitFont(CSubsystem_Font* fonts) {
    if (fonts) font_ = fonts->CreateFont("Arial", 18, 0);
    target_.SetTextColor(255, 255, 255);
}

CImage::~CImage() {
    ReleaseLinkAreas();
    if (font_) font_->ReleaseInternalRef();
}

void CImage::ReleaseLinkAreas() {
    // A link that goes may run listeners that draw on or clear this image again.
    const std::vector<CRefCounted*> areas = std::exchange(linkAreas_, {});
    for (CRefCounted* area : areas) area->ReleaseInternalRef();
}

TextFont CImage::TextFontOf(CFont* font) {
    if (!font) return {};
    return {&font->PlatformFont(), (font->Style() & kFontUnderline) != 0, (font->Style() & kFontStrikeOut) != 0};
}

void CImage::NotifyUsers() {
    // A user may leave while it is told; walk a copy.
    const std::vector<IImageUser*> users = users_;
    for (IImageUser* user : users) user->OnImageChanging(*this);
}

void CImage::AddUser(IImageUser* user) {
    if (user && std::find(users_.begin(), users_.end(), user) == users_.end()) users_.push_back(user);
}

void CImage::RemoveUser(IImageUser* user) { std::erase(users_, user); }

int CImage::DrawLine(int x1, int y1, int x2, int y2) {
    NotifyUsers();
    return target_.DrawLine(x1, y1, x2, y2);
}

int CImage::FrameRect(int l, int t, int r, int b) {
    NotifyUsers();
    return target_.FrameRect(l, t, r, b);
}

int CImage::FillRect(int l, int t, int r, int b) {
    NotifyUsers();
    return target_.FillRect(l, t, r, b);
}

int CImage::DrawText(const char* text, int length, int x, int y) {
    NotifyUsers();
    return target_.DrawText(TextFontOf(font_), x, y, kTextClip, text, length, transparentText_);
}

void CImage::ResetRichText() {
    ReleaseLinkAreas();
    rmlState_ = 0;
    RmlCurrentLink() = -1;
}

int CImage::ClearToColor(uint8_t r, uint8_t g, uint8_t b) {
    ResetRichText();
    NotifyUsers();
    return target_.ClearToColor(r, g, b);
}

int CImage::ClearToBackground() {
    ResetRichText();
    NotifyUsers();
    return target_.ClearToBackground();
}

int CImage::DrawAt(const CImage& source, int x, int y, unsigned flags) {
    NotifyUsers();
    return target_.BlitAt(source.target_, x, y, flags);
}

int CImage::Draw(const platform::Rect* dstRect, const CImage& source, const platform::Rect* srcRect, unsigned flags) {
    NotifyUsers();
    return target_.Blit(dstRect, source.target_, srcRect, flags);
}

int CImage::UnsupportedOperation() {
    NotifyUsers();
    return target_.UnsupportedOperation();
}

int CImage::SetFont(CFont* font) {
    if (!font) return 1;
    font->AddInternalRef();
    if (font_) font_->ReleaseInternalRef();
    font_ = font;
    return 0;
}

void CImage::GetSize(int& width, int& height) const {
    width = target_.Width();
    height = target_.Height();
}

int CImage::Resize(int width, int height) {
    NotifyUsers();
    const int result = target_.Resize(width, height);
    NotifyUsers();
    return result;
}

int CImage::SetTransparent(bool transparent) {
    transparentText_ = transparent;
    return 0;
}

int CImage::GetTextExtentWithFont(CFont* font, const char* text, int length, TextSize& size) const {
    return target_.GetTextExtent(TextFontOf(font), text, length, size);
}

int CImage::GetTextExtent(const char* text, int length, TextSize& size) const {
    return GetTextExtentWithFont(font_, text, length, size);
}

int CImage::AddLinkArea(CRefCounted* area) {
    if (!area) return 1;
    area->AddInternalRef();
    linkAreas_.push_back(area);
    return 0;
}

int CImage::DrawPolygon(std::span<const platform::Point> points) {
    NotifyUsers();
    return target_.DrawPolygon(points);
}

int CImage::SetPixels(std::span<const ColoredPoint> items) {
    NotifyUsers();
    return target_.SetPixels(items);
}

int CImage::ClearPixels(std::span<const platform::Point> points) {
    NotifyUsers();
    return target_.ClearPixels(points);
}

int CImage::ReplaceColors(std::span<const ColorPair> pairs) {
    // Recolouring changes what is shown, so the users hear of it like any other drawing.
    const int result = target_.ReplaceColors(pairs);
    NotifyUsers();
    return result;
}

int CImage::ReadPixels(const platform::Rect& rect, PixelBuffer& buffer, platform::Point position) const {
    return target_.ReadPixels(rect, buffer, position);
}

int CImage::WritePixels(const platform::Rect& rect, const PixelBuffer& buffer, platform::Point position) {
    const int result = target_.WritePixels(rect, buffer, position);
    NotifyUsers();
    return result;
}
