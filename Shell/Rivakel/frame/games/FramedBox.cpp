#include "frame/games/FramedBox.h"

#include "core/graphics/Image.h"
#include "core/graphics/Surface.h"
#include "frame/shell/ShellPictures.h"

namespace {

constexpr int kCorner = 12;
constexpr int kTrack = 16;

void DrawPicture(CImage& image, std::string_view name, int x, int y) { DrawPictureFrame(image, name, 0, x, y); }

}  // namespace

void DrawPictureFrame(CImage& image, std::string_view name, int frame, int x, int y) {
    CSurface* picture = LoadPicture(name, CSurface::kFlagColorKeyed);
    if (picture == nullptr) return;
    if (const CImage* still = picture->GetFrameImage(frame)) image.DrawAt(*still, x, y, 0);
    picture->ReleaseInternalRef();
}

void DrawFramedBox(CImage& image, const FramedBox& box) {
    const int right = box.left + box.width;
    const int bottom = box.top + box.height;
    if (box.warm)
        image.SetCurColor(255, 204, 102);
    else
        image.SetCurColor(255, 255, 255);
    image.FillRect(box.left, box.top, right, bottom);
    if (box.scrollBar) {
        for (int y = box.top + 20; y < bottom - kTrack; y += kTrack) DrawPicture(image, "img-scrollbg-16x16.gif", right - 18, y);
    }
    DrawPicture(image, "img-hbox-tl-12x12.gif", box.left, box.top);
    DrawPicture(image, "img-hbox-tr-12x12.gif", right - kCorner, box.top);
    DrawPicture(image, "img-hbox-bl-12x12.gif", box.left, bottom - kCorner);
    DrawPicture(image, "img-hbox-br-12x12.gif", right - kCorner, bottom - kCorner);
    image.SetCurColor(0, 0, 0);
    image.FillRect(box.left + kCorner, box.top, right - kCorner, box.top + kCorner);
    image.FillRect(box.left, box.top + kCorner, right, box.top + 20);
    image.FillRect(box.left, box.top + kCorner, box.left + 2, bottom - kCorner);
    image.FillRect(right - 2, box.top + kCorner, right, bottom - kCorner);
    image.FillRect(box.left + kCorner, bottom - 2, right - kCorner, bottom);
    if (!box.header.empty()) DrawPicture(image, box.header, box.left + kCorner, box.top + 4);
}
