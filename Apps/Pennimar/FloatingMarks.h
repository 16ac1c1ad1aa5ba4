// Short-lived marks over the field: the points of an animal that fell asleep, rising and swaying
// for a moment, and the snores of a sleeping animal.
#pragma once

#include <cstddef>
#include <list>

#include "Apps/Common/ShellRef.h"
#include "frame/api/IAnim.h"
#include "frame/api/IFont.h"

class IImage;
class IImageSeq;
class IShellFactory;

namespace pennimar {

class CFloatingMarks {
public:
    static constexpr long long kLifeMs = 1500;

    CFloatingMarks(IShellFactory& factory, ISurface* gameArea, IImage* canvas);

    // `sway` +1 or -1: the way it first sways.
    void AddPoints(int points, int centreX, int centreY, int sway, long long now);
    void AddSnore(IImageSeq* snore, int centreX, int centreY, long long now);
    void Tick(long long now);
    void Clear() { marks_.clear(); }
    size_t Count() const { return marks_.size(); }

private:
    struct Mark {
        bool rises = false;
        int offset = 0;
        int direction = 1;
        int x = 0, y = 0;  // its top-left at the start
        long long start = 0;
        ShellRef<IAnim> anim;
        AttachedSurface surface;
    };
    void Attach(Mark& mark, ISurface* surface, int centreX, int centreY);

    IShellFactory& factory_;
    ISurface* gameArea_;
    IImage* canvas_;
    ShellRef<IFont> font_;
    std::list<Mark> marks_;
};

}  // namespace pennimar
