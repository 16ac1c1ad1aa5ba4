// The 32 picture slots over a shell image.
#pragma once

#include "core/graphics/Image.h"
#include "frame/api/IImage.h"
#include "frame/graphics/GraphicsObject.h"

class ImageObject final : public GraphicsObject<IImage, CImage> {
public:
    using GraphicsObject::GraphicsObject;

    int DrawLine(int x1, int y1, int x2, int y2) override;
    int FrameRect(int left, int top, int right, int bottom) override;
    int FillRect(int left, int top, int right, int bottom) override;
    int DrawRML(const char* rml, int x, int y) override;
    int DrawText(const char* text, int length, int x, int y) override;
    int SetCurColor(int r, int g, int b) override;
    int GetCurColor(int* r, int* g, int* b) override;
    int SetTextColor(int r, int g, int b) override;
    int GetTextColor(int* r, int* g, int* b) override;
    int SetBackgroundColor(int r, int g, int b) override;
    int GetBackgroundColor(int* r, int* g, int* b) override;
    int ClearToColor(int r, int g, int b) override;
    int ClearToBackground() override;
    int Draw(const int* dstRect, IImage* src, const int* srcRect) override;
    int DrawAt(IImage* src, int x, int y) override;
    int TargetQuery(int query) override;
    int SetFont(IFont* font) override;
    int GetFont(IFont** out) override;
    int GetSize(int* width, int* height) override;
    int Resize(int width, int height) override;
    int GetTextExtent(IFont* font, const char* text, int length, int* size) override;
    void DrawPolygon(const int* points, int count) override;
    int ClearPixels(const AppletPixelEntry* points, int count, int unused) override;
    int SetPixels(const AppletPixelEntry* entries, int count, int unused) override;
    int SetTransparent(bool transparent) override;
    int DrawEx(const int* dstRect, IImage* src, const int* srcRect, int flags) override;
    int DrawAtEx(IImage* src, int x, int y, int flags) override;
    int ReplaceColors(int count, const int* pairs) override;
    int ReadPixels(const int* rect, AppletPixelBuffer* buffer, const int* position) override;
    int WritePixels(const int* rect, const AppletPixelBuffer* buffer, const int* position) override;

private:
    CImage& image() const { return *inner(); }
};
