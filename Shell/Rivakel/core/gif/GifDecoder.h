// Decodes a GIF file held in memory into composed 32-bit 0xRRGGBB frames.
//
// GIF data reaches the shell from the server (banners), so every length, code and rectangle
// is checked against the data and against the caps in `GifLimits`; bad data answers
// `kGifBadData` and never reads or writes outside its buffers. Frames decoded before a fault
// stay in the result, so a caller may still show what arrived.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

inline constexpr int kGifOk = 0;
inline constexpr int kGifBadData = 6;

// The colour of pixels that a keyed (transparent) frame leaves uncovered.
inline constexpr uint32_t kGifColourKey = 0xFF00FF;

// A palette colour equal to `from` is drawn as `to` (first matching pair wins).
struct GifColourPair {
    uint32_t from = 0;
    uint32_t to = 0;
};

// Reads the applets' colour map: a count followed by that many {from, to} pairs. A count of 0
// or below gives no pairs; a count beyond the words given is cut to the pairs present.
std::vector<GifColourPair> GifColourMapFromWords(std::span<const int32_t> words);

// One composed frame, always the logical screen's size.
struct GifFrame {
    std::vector<uint32_t> pixels;  // width x height of the screen, rows without padding
    int frameTimeMs = 100;         // the delay in hundredths of a second x 10; delay 0 reads as 100 ms
    int disposal = 0;              // this frame's disposal method, 0 to 7
    bool keyed = false;            // transparent: pixels equal to kGifColourKey show through
    int left = 0, top = 0, width = 0, height = 0;  // the frame's rectangle as the file gives it
    bool interlaced = false;
};

struct GifImage {
    int width = 0, height = 0;
    bool loops = false;  // the looping application extension was present
    int loopCount = 0;   // as stored there (0 means for ever); informative only
    std::vector<GifFrame> frames;
};

// Caps that keep a hostile file from exhausting memory or time.
struct GifLimits {
    int maxSide = 4096;                          // logical screen width and height
    int64_t maxScreenPixels = 16 * 1024 * 1024;  // logical screen width x height
    int64_t maxFramePixels = 16 * 1024 * 1024;   // one frame's rectangle, which may exceed the screen
    int64_t maxTotalBytes = 256 * 1024 * 1024;   // all composed frames together
    int64_t maxTotalFramePixels = 256 * 1024 * 1024;  // all frame rectangles: bounds the decoding work
    int maxFrames = 10000;
};

// Caps for a picture shown in a place of `width` x `height` pixels that plays at most `frames`
// frames: a larger picture is refused after its header instead of decoded in full.
GifLimits GifLimitsToShow(int width, int height, int frames);

// Decodes `data`. `name` only labels log lines. Composition: the first frame starts from the
// background (kGifColourKey when keyed, else black); each later frame starts as a copy of the
// previous one when that one's disposal is 0, 1 or 3, else from its own background. Pixels
// whose index is the transparent index are not drawn. Parts of a frame outside the screen are
// decoded and dropped.
// Result: kGifOk, or kGifBadData (bad signature, truncated data, corrupt codes, caps exceeded).
int DecodeGif(std::span<const uint8_t> data, GifImage& out, std::string_view name = {},
              std::span<const GifColourPair> colourMap = {}, const GifLimits& limits = {});
