// Animations: timed playback of an image sequence on the animation's own 50 ms timer.
#pragma once

#include "frame/api/ShellObject.h"

class IImage;
class IImageSeq;

inline constexpr int kAnimGameClock = 0;  // stands still while the shell is paused
inline constexpr int kAnimWallClock = 1;

class IAnim : public IShellObject {
public:
    // The current frame's image as a new object the caller releases; null when there is none.
    virtual int GetImage(IImage** out) = 0;                                    // 2
    // Shows that frame now; an index outside the sequence changes nothing.
    virtual void SetFrame(int index) = 0;                                      // 3
    virtual int GetImageSeq(IImageSeq** out) = 0;                              // 4
    // Goes on from the current frame.
    virtual int Start() = 0;                                                   // 5
    virtual int Stop() = 0;                                                    // 6
    virtual int SetClock(int selector) = 0;                                    // 7
    virtual bool GetClock() = 0;                                               // 8
    // In the sequence's images; 1 without a sequence.
    virtual int ReplaceColors(int count, const int* pairs) = 0;                // 9

protected:
    IAnim() = default;
    ~IAnim() override = default;
};
