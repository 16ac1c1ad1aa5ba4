// A drawable picture: a render target with its font, text mode, the link areas that rich text
// recorded on it and the image sequences that show it. Every drawing operation tells those
// sequences first, so that the surfaces showing the picture are repainted.
#pragma once

#include <span>
#include <vector>

#include "core/base/RefCounted.h"
#include "core/graphics/RenderTarget.h"

class CImage;
class CSubsystem_Font;
class CFont;
class IRmlLinkFactory;

// Told before an image it contains changes (image sequences).
class IImageUser {
public:
    virtual ~IImageUser() = default;
    virtual void OnImageChanging(CImage& image) = 0;
};

// The rich-text renderer's current link number; the clear operations set it back to -1.
int& RmlCurrentLink();

class CImage : public CRefCounted {
public:
    // Text is clipped to this box whatever the picture's size.
    static constexpr platform::Rect kTextClip{0, 0, 800, 600};

    // `fonts` gives the image its "Arial" 18 font; without a font service the image draws no text.
    CImage(CSubsystem_Font* fonts, int width, int height, unsigned flags);
    // A width x height copy of cell `index` of a horizontal strip in `source`; a cell width of -1
    // means cells of this image's own size.
    CImage(CSubsystem_Font* fonts, const CImage& source, int index, int width, int height, int cellWidth,
           int cellHeight);
    ~CImage() override;

    int DrawLine(int x1, int y1, int x2, int y2);
    int FrameRect(int l, int t, int r, int b);
    int FillRect(int l, int t, int r, int b);
    int DrawText(const char* text, int length, int x, int y);
    // Rich text inside `box` (null: the whole picture), links made by `links` (RmlRenderer.cpp).
    // 0, or the renderer's error for text it refuses.
    int DrawRML(const char* text, int x, int y, const platform::Rect* box, unsigned flags, IRmlLinkFactory* links);
    int SetCurColor(uint8_t r, uint8_t g, uint8_t b) { return target_.SetCurColor(r, g, b); }
    ColorRGB GetCurColor() const { return target_.GetCurColor(); }
    int SetTextColor(uint8_t r, uint8_t g, uint8_t b) { return target_.SetTextColor(r, g, b); }
    ColorRGB GetTextColor() const { return target_.GetTextColor(); }
    int SetBackgroundColor(uint8_t r, uint8_t g, uint8_t b) { return target_.SetBackgroundColor(r, g, b); }
    ColorRGB GetBackgroundColor() const { return target_.GetBackgroundColor(); }
    int ClearToColor(uint8_t r, uint8_t g, uint8_t b);
    // The same three with one 0xRRGGBB value.
    int SetCurColor(uint32_t rgb) {
        const ColorRGB c = ColorRGB::Of(rgb);
        return SetCurColor(c.r, c.g, c.b);
    }
    int SetTextColor(uint32_t rgb) {
        const ColorRGB c = ColorRGB::Of(rgb);
        return SetTextColor(c.r, c.g, c.b);
    }
    int ClearToColor(uint32_t rgb) {
        const ColorRGB c = ColorRGB::Of(rgb);
        return ClearToColor(c.r, c.g, c.b);
    }
    int ClearToBackground();
    int DrawAt(const CImage& source, int x, int y, unsigned flags);
    int Draw(const platform::Rect* dstRect, const CImage& source, const platform::Rect* srcRect, unsigned flags);
    int UnsupportedOperation();

    // 1 (old font kept) for null.
    int SetFont(CFont* font);
    CFont* GetFont() const { return font_; }
    void GetSize(int& width, int& height) const;
    int Resize(int width, int height);
    CRenderTarget& GetRenderTarget() { return target_; }
    const CRenderTarget& GetRenderTarget() const { return target_; }
    int SetTransparent(bool transparent);
    bool Transparent() const { return transparentText_; }
    int GetTextExtentWithFont(CFont* font, const char* text, int length, TextSize& size) const;
    int GetTextExtent(const char* text, int length, TextSize& size) const;

    // Link areas hold one internal reference each until a clear.
    int AddLinkArea(CRefCounted* area);
    size_t LinkAreaCount() const { return linkAreas_.size(); }
    int RmlState() const { return rmlState_; }
    void SetRmlState(int state) { rmlState_ = state; }
    uint8_t rmlFlags[2] = {0, 0};

    void AddUser(IImageUser* user);
    void RemoveUser(IImageUser* user);
    void NotifyUsers();

    int DrawPolygon(std::span<const platform::Point> points);
    int SetPixels(std::span<const ColoredPoint> items);
    int ClearPixels(std::span<const platform::Point> points);
    int ReplaceColors(std::span<const ColorPair> pairs);
    int ReadPixels(const platform::Rect& rect, PixelBuffer& buffer, platform::Point position) const;
    int WritePixels(const platform::Rect& rect, const PixelBuffer& buffer, platform::Point position);

private:
    void InitFont(CSubsystem_Font* fonts);
    void ResetRichText();
    void ReleaseLinkAreas();
    static TextFont TextFontOf(CFont* font);

    CRenderTarget target_;
    std::vector<CRefCounted*> linkAreas_;
    std::vector<IImageUser*> users_;
    CFont* font_ = nullptr;
    bool transparentText_ = true;
    int rmlState_ = 0;
};
