#include "Apps/Pennimar/FloatingMarks.h"

#include <cstdlib>
#include <string>

#include "frame/api/IAnim.h"
#include "frame/api/IFont.h"
#include "frame/api/IImage.h"
#include "frame/api/IShellFactory.h"

namespace pennimar {

CFloatingMarks::CFloatingMarks(IShellFactory& factory, ISurface* gameArea, IImage* canvas)
    : factory_(factory), gameArea_(gameArea), canvas_(canvas), font_(factory.CreateFont("Arial", 10, 0)) {}

void CFloatingMarks::Attach(Mark& mark, ISurface* surface, int centreX, int centreY) {
    int width = 0, height = 0;
    surface->GetSize(&width, &height);
    surface->SetNoHit(true);
    mark.x = centreX - width / 2;
    mark.y = centreY - height / 2;
    surface->SetLoc(mark.x, mark.y, nullptr);
    gameArea_->AttachSurface(surface);
    mark.surface = AttachedSurface(gameArea_, surface);
}

void CFloatingMarks::AddPoints(int points, int centreX, int centreY, int sway, long long now) {
    if (canvas_ == nullptr) return;
    const std::string text = std::to_string(points);
    int extent[2] = {0, 0};
    canvas_->GetTextExtent(font_.Get(), text.c_str(), static_cast<int>(text.size()), extent);
    const int w = extent[0], h = extent[1];
    ISurface* surface = factory_.CreateSurface(w + 5, h + 2, kSurfaceColourKeyed);
    if (surface == nullptr) return;
    if (ShellRef<IImage> image; surface->GetImage(image.Out()), image) {
        image->ClearToColor(255, 255, 0);
        image->SetCurColor(0, 0, 0);
        image->FrameRect(0, 0, w + 5, h + 2);
        image->SetFont(font_.Get());
        image->SetTransparent(true);
        image->SetTextColor(0, 0, 0);
        image->DrawText(text.c_str(), static_cast<int>(text.size()), 3, 1);
    }
    Mark& mark = marks_.emplace_back();
    mark.rises = true;
    mark.direction = sway;
    mark.start = now;
    Attach(mark, surface, centreX, centreY);
}

void CFloatingMarks::AddSnore(IImageSeq* snore, int centreX, int centreY, long long now) {
    if (snore == nullptr) return;
    ShellRef<IAnim> anim(factory_.CreateAnim(snore));
    ISurface* surface = anim ? factory_.CreateSurfaceFromAnim(anim.Get(), kSurfaceColourKeyed) : nullptr;
    if (surface == nullptr) return;
    Mark& mark = marks_.emplace_back();
    mark.start = now;
    mark.anim = std::move(anim);
    Attach(mark, surface, centreX, centreY);
    surface->StartAnim();
}

void CFloatingMarks::Tick(long long now) {
    for (auto it = marks_.begin(); it != marks_.end();) {
        const long long age = now - it->start;
        if (age > kLifeMs) {
            it = marks_.erase(it);
            continue;
        }
        if (it->rises) {
            if (std::abs(it->offset) > 3) it->direction = -it->direction;
            it->offset += it->direction;
            it->surface->SetLoc(it->x + it->offset, it->y - static_cast<int>(age * 20 / kLifeMs), nullptr);
        }
        ++it;
    }
}

}  // namespace pennimar
