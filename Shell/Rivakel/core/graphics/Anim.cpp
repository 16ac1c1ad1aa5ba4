#include "core/graphics/Anim.h"

#include <algorithm>

#include "core/base/Thunk.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/Surface.h"

CAnim::CAnim(CImageSeq* sequence) : timer_(std::make_unique<CTimer>(this, kTickMs, Thunk<&CAnim::OnTimer>)) {
    timer_->SetClock(clock_);
    // Every animation and the repaint look at the same moments: one wake-up serves them all.
    timer_->SetAligned(true);
    SetImageSeq(sequence);
}

CAnim::~CAnim() {
    timer_.reset();
    if (sequence_ != nullptr) {
        sequence_->RemoveUser(this);
        sequence_->ReleaseInternalRef();
    }
}

int CAnim::OnTimer() {
    Step();
    return 0;
}

uint32_t CAnim::Now() const {
    CSubsystem_Clock* clock = ClockService();
    return clock != nullptr ? clock->TimerMs(clock_) : 0;
}

int CAnim::Start() {
    const uint32_t now = Now();
    // Going on from the current frame: the start lies as far back as that frame begins.
    const uint64_t offset = sequence_ != nullptr ? sequence_->StartOfFrameMs(frame_) : 0;
    start_ = now - static_cast<uint32_t>(std::min<uint64_t>(offset, UINT32_MAX));
    timer_->Start();
    Step();
    return 0;
}

int CAnim::Stop() { return timer_->Stop(); }

void CAnim::Step() {
    if (sequence_ == nullptr) return;
    int frame = -1;
    sequence_->FrameAtTime(Now() - start_, frame);
    if (frame < 0) return;
    CImage* image = nullptr;
    sequence_->GetImage(frame, image);
    Show(frame, image);
}

int CAnim::SetFrame(int index) {
    if (sequence_ == nullptr || index < 0 || index >= sequence_->ImageCount()) return 4;
    CImage* image = nullptr;
    sequence_->GetImage(index, image);
    Show(index, image);
    return 0;
}

int CAnim::SetClock(TimerClock clock) {
    if (clock == clock_) return 0;
    const bool running = IsRunning();
    if (running) Stop();
    clock_ = clock;
    timer_->SetClock(clock);
    if (running) Start();
    return 0;
}

int CAnim::SetImageSeq(CImageSeq* sequence) {
    if (sequence == sequence_) return 0;
    if (sequence != nullptr) {
        sequence->AddInternalRef();
        sequence->AddUser(this);
    }
    CImageSeq* old = sequence_;
    sequence_ = sequence;
    OnSequenceChanged();
    if (old != nullptr) {
        old->RemoveUser(this);
        old->ReleaseInternalRef();
    }
    return 0;
}

void CAnim::OnSequenceChanged() {
    const int count = sequence_ != nullptr ? sequence_->ImageCount() : 0;
    if (count == 0) {
        Show(0, nullptr);
        return;
    }
    const int frame = std::clamp(frame_, 0, count - 1);
    CImage* image = nullptr;
    sequence_->GetImage(frame, image);
    Show(frame, image);
}

void CAnim::Show(int frame, CImage* image) {
    frame_ = frame;
    if (image == image_) return;
    int oldWidth = 0, oldHeight = 0, newWidth = 0, newHeight = 0;
    if (image_ != nullptr) image_->GetSize(oldWidth, oldHeight);
    if (image != nullptr) image->GetSize(newWidth, newHeight);
    NotifyOwners();
    image_ = image;
    if (newWidth != oldWidth || newHeight != oldHeight) NotifyOwners();
}

int CAnim::ReplaceColors(std::span<const ColorPair> pairs) {
    if (sequence_ == nullptr) return 1;
    return sequence_->ReplaceColors(pairs);
}

int CAnim::AddOwner(CSurface* surface) {
    if (surface == nullptr) return 1;
    if (std::find(owners_.begin(), owners_.end(), surface) == owners_.end()) owners_.push_back(surface);
    return 0;
}

int CAnim::RemoveOwner(CSurface* surface) {
    const auto found = std::find(owners_.begin(), owners_.end(), surface);
    if (found == owners_.end()) return 4;
    owners_.erase(found);
    return 0;
}

void CAnim::NotifyOwners() {
    for (CSurface* surface : owners_) surface->Invalidate();
}
