// Random rectangles, points and sizes into small pictures: every operation must stay inside
// the pixel stores whatever it is given.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/graphics/RenderTarget.h"
#include "core/graphics/fuzz/FuzzBytes.h"

namespace {

class Reader : public FuzzBytes {
public:
    using FuzzBytes::FuzzBytes;
    // Mostly small values near the pictures, sometimes the extremes.
    int Coord() {
        switch (Byte() & 7) {
            case 0: return INT_MIN;
            case 1: return INT_MAX;
            case 2: {
                uint32_t v = 0;
                for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
                int out;
                std::memcpy(&out, &v, sizeof out);
                return out;
            }
            default: return static_cast<int8_t>(Byte()) / 4;
        }
    }
    platform::Rect Rect() { return {Coord(), Coord(), Coord(), Coord()}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in(data, size);
    CRenderTarget dst(1 + in.Byte() % 17, 1 + in.Byte() % 13, in.Byte() & 1);
    CRenderTarget src(1 + in.Byte() % 11, 1 + in.Byte() % 9, in.Byte() & 1);
    std::vector<uint32_t> bufferPixels(6 * 5);
    PixelBuffer buffer{CRenderTarget::kColorKey, 6, 5, bufferPixels.data()};
    for (int ops = 0; !in.Done() && ops < 64; ++ops) {
        switch (in.Byte() % 12) {
            case 0: dst.DrawLine(in.Coord(), in.Coord(), in.Coord(), in.Coord()); break;
            case 1: dst.FillRect(in.Coord(), in.Coord(), in.Coord(), in.Coord()); break;
            case 2: dst.FrameRect(in.Coord(), in.Coord(), in.Coord(), in.Coord()); break;
            case 3: dst.DrawEllipse(in.Coord(), in.Coord(), in.Coord(), in.Coord()); break;
            case 4: {
                const platform::Rect d = in.Rect(), s = in.Rect();
                const uint8_t mode = in.Byte();
                dst.Blit(mode & 4 ? nullptr : &d, mode & 8 ? dst : src, mode & 16 ? nullptr : &s, mode & 3);
                break;
            }
            case 5: dst.BlitAt(src, in.Coord(), in.Coord(), in.Byte() & 3); break;
            case 6: {
                const platform::Point points[] = {{in.Coord(), in.Coord()}, {in.Coord(), in.Coord()},
                                                  {in.Coord(), in.Coord()}, {in.Coord(), in.Coord()}};
                dst.DrawPolygon({points, 1 + in.Byte() % 4u});
                break;
            }
            case 7: dst.ReadPixels(in.Rect(), buffer, {in.Coord(), in.Coord()}); break;
            case 8: dst.WritePixels(in.Rect(), buffer, {in.Coord(), in.Coord()}); break;
            case 9: dst.Resize(in.Coord() % 40, in.Coord() % 40); break;
            case 10: {
                const ColoredPoint items[] = {{in.Coord(), in.Coord(), 0x010203u},
                                              {in.Coord(), in.Coord(), 0xFF000000u | in.Byte()}};
                dst.SetPixels(items);
                break;
            }
            default: dst.SetThickPen(); break;
        }
    }
    return 0;
}
