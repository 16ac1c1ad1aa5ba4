#include "core/graphics/ImageSeq.h"

#include <algorithm>
#include <climits>

#include "core/base/Log.h"
#include "core/files/CSubsystem_File.h"
#include "core/graphics/Anim.h"
#include "core/graphics/SurfaceServices.h"

namespace {

constexpr uint64_t kMaxTabledFrames = uint64_t{UINT16_MAX} + 1;

int PrintLength(std::string_view text) { return static_cast<int>(std::min<size_t>(text.size(), INT_MAX)); }

// Copies a decoded frame into a new image of the screen's size.
CImage* ImageOfFrame(const GifImage& gif, const GifFrame& frame) {
    auto* image = new CImage(CurrentSurfaceServices().fonts, gif.width, gif.height,
                             frame.keyed ? CRenderTarget::kFlagColorKeyed : 0);
    const platform::PixelView view = image->GetRenderTarget().Lock();
    const auto width = static_cast<size_t>(std::clamp(std::min(view.width, gif.width), 0, INT_MAX));
    const int height = std::min(view.height, gif.height);
    const size_t need = static_cast<size_t>(std::max(gif.width, 0)) * static_cast<size_t>(std::max(height, 0));
    if (frame.pixels.size() >= need) {
        for (int y = 0; y < height; ++y) {
            const uint32_t* row = frame.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(gif.width);
            std::copy_n(row, width, view.Row(y));
        }
    }
    image->GetRenderTarget().Unlock();
    return image;
}

}  // namespace

CImageSeq::CImageSeq() = default;

CImageSeq::CImageSeq(CImage* image) {
    if (image != nullptr) AddImage(image, 0);
}

CImageSeq::CImageSeq(std::string_view gifName, std::span<const GifColourPair> colourMap, const GifLimits& limits) {
    valid_ = LoadGIF(gifName, colourMap, limits) == 0;
}

CImageSeq::~CImageSeq() {
    const std::vector<Frame> frames = std::move(frames_);
    frames_.clear();
    for (const Frame& frame : frames) {
        frame.image->RemoveUser(this);
        frame.image->ReleaseInternalRef();
    }
}

int CImageSeq::LoadGIF(std::string_view name, std::span<const GifColourPair> colourMap, const GifLimits& limits) {
    CSubsystem_File* files = FileService();
    CFile* file = files != nullptr ? files->OpenFile(name, 1) : nullptr;
    if (file == nullptr || !file->IsOpen()) {
        Error("Error loading file (%.*s) in CImageSeq::LoadGif", PrintLength(name), name.data());
        if (file != nullptr) files->CloseFile(file);
        return kImageSeqFileMissing;
    }
    GifImage gif;
    const int decoded = DecodeGif(file->GetData(), gif, name, colourMap, limits);
    files->CloseFile(file);

    for (const GifFrame& frame : gif.frames) Append(ImageOfFrame(gif, frame), frame.frameTimeMs);
    loop_ = gif.loops;
    RecalcTimes();
    FramesChanged();
    return decoded == kGifOk ? 0 : kImageSeqBadGif;
}

void CImageSeq::Append(CImage* image, int timeMs) {
    image->AddInternalRef();
    image->AddUser(this);
    frames_.push_back({image, std::max(timeMs, 0)});
}

int CImageSeq::AddImage(CImage* image, int timeMs) {
    if (image == nullptr) return 1;
    Append(image, timeMs);
    RecalcTimes();
    FramesChanged();
    return 0;
}

int CImageSeq::RemoveImage(CImage* image) {
    const auto found = std::find_if(frames_.begin(), frames_.end(), [image](const Frame& f) { return f.image == image; });
    if (image == nullptr || found == frames_.end()) {
        Error("Warning - CImage* passed to CImageSeq::RemoveImage was not in the Image Sequence!");
        return 0;
    }
    frames_.erase(found);
    RecalcTimes();
    // The animations let go of the image before it may be deleted.
    FramesChanged();
    const bool stillHere =
        std::any_of(frames_.begin(), frames_.end(), [image](const Frame& f) { return f.image == image; });
    if (!stillHere) image->RemoveUser(this);
    image->ReleaseInternalRef();
    return 0;
}

int CImageSeq::GetImage(int index, CImage*& out) const {
    if (index < 0 || index >= ImageCount()) {
        Error("Invalid Image # (#%d) passed to CImageSeq::GetImage (Only %d Images exist in the                Image "
              "Sequence",
              index, ImageCount());
        out = nullptr;
        return kImageSeqBadIndex;
    }
    out = frames_[static_cast<size_t>(index)].image;
    return 0;
}

void CImageSeq::RecalcTimes() {
    firstStep_.assign(frames_.size() + 1, 0);
    uint64_t total = 0;
    for (size_t i = 0; i < frames_.size(); ++i) {
        firstStep_[i] = total;
        total += static_cast<uint64_t>(frames_[i].timeMs) / kStepMs;
    }
    firstStep_.back() = total;

    table_.clear();
    if (total > kMaxTableSteps || frames_.size() > kMaxTabledFrames) return;
    table_.resize(total);
    for (size_t i = 0; i < frames_.size(); ++i) {
        std::fill(table_.begin() + static_cast<std::ptrdiff_t>(firstStep_[i]),
                  table_.begin() + static_cast<std::ptrdiff_t>(firstStep_[i + 1]), static_cast<uint16_t>(i));
    }
}

int CImageSeq::FrameOfStep(uint64_t step) const {
    if (step < table_.size()) return table_[step];
    // The frame whose steps contain `step`: frames without steps share their start with the
    // next one, so the last start not beyond the step is the shown frame.
    const auto after = std::upper_bound(firstStep_.begin(), firstStep_.end(), step);
    return static_cast<int>(after - firstStep_.begin()) - 1;
}

bool CImageSeq::FrameAtTime(uint32_t timeMs, int& frame) const {
    if (frames_.empty()) {
        frame = -1;
        return true;
    }
    const uint64_t step = timeMs / kStepMs;
    const uint64_t total = firstStep_.back();
    if (step < total) {
        frame = FrameOfStep(step);
        return true;
    }
    if (loop_) {
        frame = total == 0 ? 0 : FrameOfStep(step % total);
        return false;
    }
    frame = ImageCount() - 1;
    return true;
}

bool CImageSeq::GetImageAtTime(uint32_t timeMs, CImage*& out) const {
    int frame = -1;
    const bool result = FrameAtTime(timeMs, frame);
    out = frame >= 0 ? frames_[static_cast<size_t>(frame)].image : nullptr;
    return result;
}

uint64_t CImageSeq::StartOfFrameMs(int index) const {
    const auto at = static_cast<size_t>(std::clamp(index, 0, ImageCount()));
    return firstStep_[at] * kStepMs;
}

int CImageSeq::GetFrameTime(int& outMs, int index) const {
    if (index < 0 || index >= ImageCount()) {
        outMs = 0;
        return kImageSeqBadIndex;
    }
    outMs = frames_[static_cast<size_t>(index)].timeMs;
    return 0;
}

int CImageSeq::SetFrameTime(int index, int timeMs) {
    if (index < 0 || index >= ImageCount()) return kImageSeqBadIndex;
    frames_[static_cast<size_t>(index)].timeMs = std::max(timeMs, 0);
    RecalcTimes();
    return 0;
}

int CImageSeq::ReplaceColors(std::span<const ColorPair> pairs) {
    for (const Frame& frame : frames_) frame.image->ReplaceColors(pairs);
    return 0;
}

uint64_t CImageSeq::SumFrameTimes(int n) const {
    uint64_t sum = 0;
    for (int i = 0; i < std::min(n, ImageCount()); ++i) sum += static_cast<uint64_t>(frames_[static_cast<size_t>(i)].timeMs);
    return sum;
}

void CImageSeq::NotifyUsers() {
    for (CAnim* anim : users_) anim->NotifyOwners();
}

void CImageSeq::OnImageChanging(CImage& image) {
    // Only the animations showing that image have something to repaint.
    for (CAnim* anim : users_) {
        if (anim->CurrentImage() == &image) anim->NotifyOwners();
    }
}

void CImageSeq::FramesChanged() {
    const std::vector<CAnim*> users = users_;
    for (CAnim* anim : users) anim->OnSequenceChanged();
}

void CImageSeq::AddUser(CAnim* anim) {
    if (anim != nullptr && std::find(users_.begin(), users_.end(), anim) == users_.end()) users_.push_back(anim);
}

void CImageSeq::RemoveUser(CAnim* anim) { std::erase(users_, anim); }
