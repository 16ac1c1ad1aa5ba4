// Plays an image sequence on its own 50 ms timer and marks the surfaces that show it dirty
// whenever the shown image changes.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/base/CSubsystem_Clock.h"
#include "core/base/RefCounted.h"
#include "core/base/Timer.h"
#include "core/graphics/RenderTarget.h"

class CImage;
class CImageSeq;
class CSurface;

class CAnim : public CRefCounted {
public:
    static constexpr uint32_t kTickMs = 50;

    // Takes one internal reference on the sequence (which may be null); shows its first image;
    // stopped, on the game clock.
    explicit CAnim(CImageSeq* sequence);
    ~CAnim() override;

    // Starts the timer and goes on from the current frame. 0.
    int Start();
    int Stop();
    bool IsRunning() const { return timer_->IsRegistered(); }
    // 0, or 4 (frame kept) for an index outside the sequence.
    int SetFrame(int index);
    int FrameIndex() const { return frame_; }
    // For the animation and its timer; takes effect at the next start. 0.
    int SetClock(TimerClock clock);
    TimerClock GetClock() const { return clock_; }

    // Null while the sequence is empty. 0.
    int GetImage(CImage*& out) const {
        out = image_;
        return 0;
    }
    CImage* CurrentImage() const { return image_; }
    int GetImageSeq(CImageSeq*& out) const {
        out = sequence_;
        return 0;
    }
    // Drops the old sequence and shows frame min(index, count - 1) of the new one. 0.
    int SetImageSeq(CImageSeq* sequence);
    // 1 without a sequence, else 0.
    int ReplaceColors(std::span<const ColorPair> pairs);

    // 1 for null, else 0; adding an owner twice keeps one entry.
    int AddOwner(CSurface* surface);
    // 0, or 4 when the surface is not an owner.
    int RemoveOwner(CSurface* surface);
    size_t OwnerCount() const { return owners_.size(); }
    void NotifyOwners();

    // The sequence's images or times changed: keep the frame index when it still exists.
    void OnSequenceChanged();

    // One step at the selected clock's current reading; the timer calls it every 50 ms.
    void Step();

private:
    int OnTimer();
    uint32_t Now() const;
    // Shows `image` as frame `frame`, marking the owners before and, when the size changes, after.
    void Show(int frame, CImage* image);

    CImageSeq* sequence_ = nullptr;
    CImage* image_ = nullptr;
    std::unique_ptr<CTimer> timer_;
    std::vector<CSurface*> owners_;
    uint32_t start_ = 0;
    int frame_ = 0;
    TimerClock clock_ = TimerClock::Game;
};
