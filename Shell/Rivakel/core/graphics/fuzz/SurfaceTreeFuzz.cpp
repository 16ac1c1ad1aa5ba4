// Byte-driven tree edits, moves, hit tests, compositions and animation changes on a small pool of
// surfaces: the tree must stay consistent and every walk must stay inside its pictures.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/graphics/Anim.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/Surface.h"

namespace {

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Done() const { return pos_ >= size_; }
    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int Coord() { return static_cast<int8_t>(Byte()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

constexpr size_t kPool = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in(data, size);
    auto* root = new CSurface(48, 32, 0);
    root->AddInternalRef();
    std::vector<CSurface*> pool;
    for (size_t i = 0; i < kPool; ++i) {
        pool.push_back(new CSurface(1 + (in.Byte() & 15), 1 + (in.Byte() & 15), in.Byte() & 1));
        pool.back()->AddInternalRef();
    }
    const auto pick = [&] { return pool[in.Byte() % kPool]; };
    while (!in.Done()) {
        CSurface* a = pick();
        CSurface* b = pick();
        switch (in.Byte() % 12) {
            case 0: a->AttachSurface(b); break;
            case 1: a->DetachSurface(b); break;
            case 2: root->AttachSurface(a); break;
            case 3: a->BringToFront(b); break;
            case 4: a->SendToBack(b); break;
            case 5: a->SetLoc(in.Coord(), in.Coord()); break;
            case 6: a->SetVisible((in.Byte() & 1) != 0); break;
            case 7: a->SetNoHit((in.Byte() & 1) != 0); break;
            case 8: {
                CSurface* out = nullptr;
                root->HitTest(in.Coord(), in.Coord(), out);
                break;
            }
            case 9: root->Compose(nullptr, {in.Coord(), in.Coord(), in.Coord(), in.Coord()}, 0, 0); break;
            case 10: {
                CAnim* anim = nullptr;
                a->GetAnim(anim);
                CImageSeq* sequence = nullptr;
                if (anim != nullptr) anim->GetImageSeq(sequence);
                if (sequence == nullptr) break;
                if ((in.Byte() & 1) != 0) {
                    sequence->AddImage(new CImage(nullptr, in.Byte() & 31, in.Byte() & 31, 0), in.Coord() * 10);
                } else if (sequence->ImageCount() > 0) {
                    CImage* image = nullptr;
                    sequence->GetImage(in.Byte() % sequence->ImageCount(), image);
                    sequence->RemoveImage(image);
                }
                anim->SetFrame(in.Byte() % 4);
                break;
            }
            default: a->DetachAll(); break;
        }
    }
    root->Compose(nullptr, {0, 0, 48, 32}, 0, 0);
    for (CSurface* s : pool) s->DetachAll();
    root->DetachAll();
    for (CSurface* s : pool) {
        if (CSurface* parent = s->Parent()) parent->DetachSurface(s);
    }
    for (CSurface* s : pool) s->ReleaseInternalRef();
    root->ReleaseInternalRef();
    return 0;
}
