// Drawable pictures. Drawing uses the picture's current colour, text colour, background colour,
// font and transparent-text flag, and is clipped to the picture. Pixels are 0xRRGGBB; 0xFF00FF is
// the colour key of keyed pictures.
#pragma once

#include <cstdint>

#include "frame/api/ShellObject.h"

class IFont;

// A colour from IShellServices::AllocColor: 0x00RRGGBB, its own value.
using AppletColor = uint32_t;

// One pixel for SetPixels and ClearPixels (which ignores the colour).
struct AppletPixelEntry {
    int x = 0;
    int y = 0;
    AppletColor colour = 0;
};
static_assert(sizeof(AppletPixelEntry) == 12);

// A 32-bit pixel buffer from IShellServices::CreatePixelBuffer: width x height pixels, rows top
// to bottom.
struct AppletPixelBuffer {
    uint32_t colourKey = 0xFF00FF;
    int width = 0;
    int height = 0;
    uint32_t* pixels = nullptr;
};

// Rectangles are int[4] {left, top, right, bottom}, right and bottom exclusive.
inline constexpr int kDrawMirrorLeftRight = 0x01;
inline constexpr int kDrawMirrorTopBottom = 0x02;

class IImage : public IShellObject {
public:
    virtual int DrawLine(int x1, int y1, int x2, int y2) = 0;                                   // 2
    virtual int FrameRect(int left, int top, int right, int bottom) = 0;                        // 3
    virtual int FillRect(int left, int top, int right, int bottom) = 0;                         // 4
    // Rich text laid out in the whole picture from (x, y). Null draws nothing. Text from outside
    // goes in through EscapeMarkup (MarkupEscape.h).
    virtual int DrawRML(const char* rml, int x, int y) = 0;                                     // 5
    // At most `length` characters, cut at the text's end; clipped to (0, 0)-(800, 600).
    virtual int DrawText(const char* text, int length, int x, int y) = 0;                       // 6
    virtual int SetCurColor(int r, int g, int b) = 0;                                           // 7
    virtual int GetCurColor(int* r, int* g, int* b) = 0;                                        // 8
    virtual int SetTextColor(int r, int g, int b) = 0;                                          // 9
    virtual int GetTextColor(int* r, int* g, int* b) = 0;                                       // 10
    virtual int SetBackgroundColor(int r, int g, int b) = 0;                                    // 11
    virtual int GetBackgroundColor(int* r, int* g, int* b) = 0;                                 // 12
    virtual int ClearToColor(int r, int g, int b) = 0;                                          // 13
    virtual int ClearToBackground() = 0;                                                        // 14
    // Copies srcRect of src (null: all of it) onto dstRect (null: all of this picture),
    // stretching when the sizes differ; a keyed source leaves its key pixels out.
    virtual int Draw(const int* dstRect, IImage* src, const int* srcRect) = 0;                  // 15
    virtual int DrawAt(IImage* src, int x, int y) = 0;                                          // 16
    // Applets have no use for it.
    virtual int TargetQuery(int query) = 0;                                                     // 17
    virtual int SetFont(IFont* font) = 0;                                                       // 18
    virtual int GetFont(IFont** out) = 0;                                                       // 19
    virtual int GetSize(int* width, int* height) = 0;                                           // 20
    // Keeps the top-left content.
    virtual int Resize(int width, int height) = 0;                                              // 21
    // size[0] = width, size[1] = height of the text in `font` (null: this picture's font).
    virtual int GetTextExtent(IFont* font, const char* text, int length, int* size) = 0;        // 22
    // Filled polygon of `count` (x, y) pairs; fewer than 3 draw nothing.
    virtual void DrawPolygon(const int* points, int count) = 0;                                 // 23
    // Sets each listed pixel to 0; pixels outside the picture are skipped.
    virtual int ClearPixels(const AppletPixelEntry* points, int count, int unused) = 0;         // 24
    virtual int SetPixels(const AppletPixelEntry* entries, int count, int unused) = 0;          // 25
    virtual int SetTransparent(bool transparent) = 0;                                           // 26
    virtual int DrawEx(const int* dstRect, IImage* src, const int* srcRect, int flags) = 0;     // 27
    virtual int DrawAtEx(IImage* src, int x, int y, int flags) = 0;                             // 28
    virtual int ReplaceColors(int count, const int* pairs) = 0;                                 // 29
    // Copies rect of the picture into the buffer at position {x, y} (null: the origin), or back;
    // both are clipped to the picture and the buffer. A null buffer answers 1.
    virtual int ReadPixels(const int* rect, AppletPixelBuffer* buffer, const int* position) = 0;         // 30
    virtual int WritePixels(const int* rect, const AppletPixelBuffer* buffer, const int* position) = 0;  // 31

protected:
    IImage() = default;
    ~IImage() override = default;
};
