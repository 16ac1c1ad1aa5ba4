// A picture and a font factory that record what the markup drawer does with them: the runs it
// draws (where, in which font and colour), and every font reference made and let go.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace markup_test {

struct FontInfo {
    std::string face = "Arial";
    int size = 18;
    int style = 0;
    bool operator==(const FontInfo&) const = default;
};

inline int SizeClassOf(int size) {
    constexpr int kStock[6] = {24, 18, 14, 12, 10, 8};
    for (int i = 0; i < 6; ++i)
        if (kStock[i] <= size) return i;
    return 5;
}

// Fonts alive: every one made must be released.
inline int& LiveFonts() {
    static int live = 0;
    return live;
}

class FakeFont final : public IFont {
public:
    explicit FakeFont(FontInfo info) : info_(std::move(info)) { ++LiveFonts(); }
    IShellObject* Destroy(int) override {
        delete this;
        return nullptr;
    }
    int Release() override {
        delete this;
        return 0;
    }
    int GetMetrics(int* average, int* line) override {
        if (average != nullptr) *average = info_.size / 2;
        if (line != nullptr) *line = info_.size;
        return 0;
    }
    int GetInfo(char* face, int faceSize, int* size, int* sizeClass, int* style) override {
        if (face != nullptr && faceSize > 0) {
            const size_t n = std::min(info_.face.size(), static_cast<size_t>(faceSize - 1));
            std::memcpy(face, info_.face.data(), n);
            face[n] = '\0';
        }
        if (size != nullptr) *size = info_.size;
        if (sizeClass != nullptr) *sizeClass = SizeClassOf(info_.size);
        if (style != nullptr) *style = info_.style;
        return 0;
    }
    const FontInfo& Info() const { return info_; }

private:
    ~FakeFont() override { --LiveFonts(); }
    FontInfo info_;
};

struct DrawnRun {
    std::string text;
    int x = 0, y = 0;
    FontInfo font;
    int colour = 0;
};

// Runs are as wide as their characters times half the font's size; the picture is 500 wide.
class RecordingCanvas final : public IImage {
public:
    explicit RecordingCanvas(int width = 500) : width_(width) {}
    IShellObject* Destroy(int) override { return this; }
    int Release() override { return 0; }

    int DrawText(const char* text, int length, int x, int y) override {
        runs.push_back({std::string(text, static_cast<size_t>(length)), x, y, font, colour});
        return 0;
    }
    int SetTextColor(int r, int g, int b) override {
        colour = r << 16 | g << 8 | b;
        return 0;
    }
    int SetFont(IFont* f) override {
        if (f != nullptr) font = static_cast<FakeFont*>(f)->Info();
        ++fontsSet;
        return 0;
    }
    int GetFont(IFont** out) override {
        *out = new FakeFont(font);
        return 0;
    }
    int GetSize(int* w, int* h) override {
        *w = width_;
        *h = 420;
        return 0;
    }
    int GetTextExtent(IFont* f, const char*, int length, int* size) override {
        const int fontSize = f != nullptr ? static_cast<FakeFont*>(f)->Info().size : font.size;
        size[0] = length * fontSize / 2;
        size[1] = fontSize;
        return 0;
    }

    int DrawLine(int, int, int, int) override { return 0; }
    int FrameRect(int, int, int, int) override { return 0; }
    int FillRect(int, int, int, int) override { return 0; }
    int DrawRML(const char*, int, int) override { return 0; }
    int SetCurColor(int, int, int) override { return 0; }
    int GetCurColor(int*, int*, int*) override { return 0; }
    int GetTextColor(int*, int*, int*) override { return 0; }
    int SetBackgroundColor(int, int, int) override { return 0; }
    int GetBackgroundColor(int*, int*, int*) override { return 0; }
    int ClearToColor(int, int, int) override { return 0; }
    int ClearToBackground() override { return 0; }
    int Draw(const int*, IImage*, const int*) override { return 0; }
    int DrawAt(IImage*, int, int) override { return 0; }
    int TargetQuery(int) override { return 0; }
    int Resize(int, int) override { return 0; }
    void DrawPolygon(const int*, int) override {}
    int ClearPixels(const AppletPixelEntry*, int, int) override { return 0; }
    int SetPixels(const AppletPixelEntry*, int, int) override { return 0; }
    int SetTransparent(bool) override { return 0; }
    int DrawEx(const int*, IImage*, const int*, int) override { return 0; }
    int DrawAtEx(IImage*, int, int, int) override { return 0; }
    int ReplaceColors(int, const int*) override { return 0; }
    int ReadPixels(const int*, AppletPixelBuffer*, const int*) override { return 0; }
    int WritePixels(const int*, const AppletPixelBuffer*, const int*) override { return 0; }

    std::vector<DrawnRun> runs;
    FontInfo font;
    int colour = 0;
    int fontsSet = 0;

private:
    int width_;
};

// Makes fonts and nothing else.
class FontFactory final : public IShellFactory {
public:
    IShellObject* Destroy(int) override { return this; }
    int Release() override { return 0; }
    IFont* CreateFont(const char* face, int size, int style) override {
        ++made;
        return new FakeFont({face, size, style});
    }
    int made = 0;

    ISurface* CreateSurfaceFromAnim(IAnim*, int) override { return nullptr; }
    ISurface* CreateSurfaceFromFile(const char*, int) override { return nullptr; }
    ISurface* CreateSurface(int, int, int) override { return nullptr; }
    IAnim* CreateAnimEntry2(IImageSeq*) override { return nullptr; }
    IImageSeq* LoadImageSeqEntry2(const char*) override { return nullptr; }
    IImageSeq* CreateImageSeqFromImageEntry2(IImage*) override { return nullptr; }
    IImage* CreateImageEntry2(int, int, int) override { return nullptr; }
    IFile* OpenFile(const char*, int) override { return nullptr; }
    ISurface* CreatePushButton(ISurface*, void*, int, int, int, int, IImage*, int, int, AppletCallback) override {
        return nullptr;
    }
    ISurface* CreateRolloverButton(ISurface*, void*, int, int, int, int, IImage*, int, int, AppletCallback) override {
        return nullptr;
    }
    ITimer* CreateTimer(void*, int, AppletCallback) override { return nullptr; }
    ICursor* CreateCursor(const char*) override { return nullptr; }
    IEvent* CreateEvent(IShellObject*, int) override { return nullptr; }
    ISound* CreateSound(const char*, int) override { return nullptr; }
    IEventListener* AddListener(IShellObject*, int, void*, AppletCallback) override { return nullptr; }
    IEditField* CreateEditField(ISurface*, void*, int, int, int, int, AppletCallback, int) override {
        return nullptr;
    }
    IImageSeq* LoadImageSeqRecolored(const char*, const int*) override { return nullptr; }
    IImageSeq* LoadImageSeq(const char*) override { return nullptr; }
    IImageSeq* CreateImageSeqFromImage(IImage*) override { return nullptr; }
    IAnim* LoadAnim(const char*) override { return nullptr; }
    IAnim* CreateAnim(IImageSeq*) override { return nullptr; }
    IImage* LoadImage(const char*) override { return nullptr; }
    IImage* CreateImage(int, int, int) override { return nullptr; }
    IMarkupAttr* CreateMarkupAttr(const char*) override { return nullptr; }
    IMarkupAttr* CreateMarkupAttr(const char*, const char*) override { return nullptr; }
    IMarkupNode* CreateMarkupNode(const char*) override { return nullptr; }
    IMarkupNode* CreateEmptyMarkupNode() override { return nullptr; }
};

}  // namespace markup_test
