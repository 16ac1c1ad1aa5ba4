// An ordered list of images, each shown for its frame time, played once or looping. GIF files
// become sequences. The frame for a time is found through a table of 50 ms steps.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/base/RefCounted.h"
#include "core/gif/GifDecoder.h"
#include "core/graphics/Image.h"

class CAnim;

// Result of LoadGIF when the file cannot be opened.
inline constexpr int kImageSeqFileMissing = 8;
// Result of LoadGIF for data that is not a GIF this shell reads (kGifBadData).
inline constexpr int kImageSeqBadGif = 6;
// Result of an index outside the sequence.
inline constexpr int kImageSeqBadIndex = 4;

class CImageSeq : public CRefCounted, public IImageUser {
public:
    // Every table entry covers this many milliseconds.
    static constexpr uint32_t kStepMs = 50;
    // Longer sequences are searched instead of tabled, so a huge frame time costs no memory.
    static constexpr uint64_t kMaxTableSteps = 65536;

    // An empty sequence.
    CImageSeq();
    // One frame of time 0; a null image gives an empty sequence.
    explicit CImageSeq(CImage* image);
    // Loaded from a GIF through the file service; valid when the load succeeded.
    explicit CImageSeq(std::string_view gifName, std::span<const GifColourPair> colourMap = {},
                       const GifLimits& limits = {});
    ~CImageSeq() override;

    // Appends the frames of a GIF file: 0, kImageSeqFileMissing or kImageSeqBadGif (frames
    // decoded before the fault stay; a file past `limits` is such a fault). The loop flag follows
    // the file.
    int LoadGIF(std::string_view name, std::span<const GifColourPair> colourMap = {}, const GifLimits& limits = {});

    // Appends with one internal reference; negative times count as 0. 1 for null, else 0.
    int AddImage(CImage* image, int timeMs);
    // 0 also when the image is not in the sequence (logged).
    int RemoveImage(CImage* image);
    // 0, or kImageSeqBadIndex (logged) with `out` null.
    int GetImage(int index, CImage*& out) const;
    // The image to show `timeMs` after the start: false only when a looping sequence wrapped.
    // An empty sequence gives null and true.
    bool GetImageAtTime(uint32_t timeMs, CImage*& out) const;
    // As GetImageAtTime, with the frame index (-1 for an empty sequence).
    bool FrameAtTime(uint32_t timeMs, int& frame) const;
    // The time position where frame `index` starts to be shown by time.
    uint64_t StartOfFrameMs(int index) const;

    void SetLoop(bool loop) { loop_ = loop; }
    int GetLoop(bool& out) const {
        out = loop_;
        return 0;
    }
    bool Loops() const { return loop_; }
    int ImageCount() const { return static_cast<int>(frames_.size()); }
    // 0, or kImageSeqBadIndex with `out` 0.
    int GetFrameTime(int& outMs, int index) const;
    // 0, or kImageSeqBadIndex; negative times count as 0.
    int SetFrameTime(int index, int timeMs);
    int ReplaceColors(std::span<const ColorPair> pairs);
    // The total time of frames 0 to n - 1.
    uint64_t SumFrameTimes(int n) const;

    // Every animation playing this sequence marks its surfaces dirty.
    void NotifyUsers();
    void AddUser(CAnim* anim);
    void RemoveUser(CAnim* anim);
    bool IsValid() const { return valid_; }

    void OnImageChanging(CImage& image) override;

private:
    struct Frame {
        CImage* image = nullptr;
        int timeMs = 0;
    };

    void Append(CImage* image, int timeMs);
    void RecalcTimes();
    int FrameOfStep(uint64_t step) const;
    // The animations re-pick their frame after images came or went.
    void FramesChanged();

    std::vector<Frame> frames_;
    // Steps before each frame, one more entry than frames: the last is the total.
    std::vector<uint64_t> firstStep_{0};
    // Entry k is the frame shown during step k; empty when the sequence is too long to table.
    std::vector<uint16_t> table_;
    std::vector<CAnim*> users_;
    bool loop_ = false;
    bool valid_ = true;
};
