#include "frame/graphics/AnimObject.h"

#include "frame/graphics/GraphicsObjects.h"
#include "frame/graphics/ImageObject.h"
#include "frame/graphics/ImageSeqObject.h"

int AnimObject::GetImage(IImage** out) {
    StoreFound<ImageObject>(out, inner()->CurrentImage());
    return 0;
}

void AnimObject::SetFrame(int index) { inner()->SetFrame(index); }

int AnimObject::GetImageSeq(IImageSeq** out) {
    CImageSeq* sequence = nullptr;
    inner()->GetImageSeq(sequence);
    StoreFound<ImageSeqObject>(out, sequence);
    return 0;
}

int AnimObject::Start() { return inner()->Start(); }

int AnimObject::Stop() { return inner()->Stop(); }

int AnimObject::SetClock(int selector) {
    return inner()->SetClock(selector == kAnimGameClock ? TimerClock::Game : TimerClock::Wall);
}

bool AnimObject::GetClock() { return inner()->GetClock() == TimerClock::Wall; }

int AnimObject::ReplaceColors(int count, const int* pairs) {
    CImageSeq* sequence = nullptr;
    inner()->GetImageSeq(sequence);
    if (sequence == nullptr) return 1;
    return ReplaceColoursIn(*inner(), count, pairs, "IAnim::ReplaceColors");
}

IAnim* MakeAnimObject(CAnim* anim) { return anim != nullptr ? new AnimObject(anim) : nullptr; }
