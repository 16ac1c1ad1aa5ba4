// Byte-driven tree edits, moves, hit tests, compositions and animation changes on a small pool of
// surfaces: the tree must stay consistent and every walk must stay inside its pictures.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/graphics/Anim.h"
#include "core/graphics/Image.h"
#include "core/graphics/ImageSeq.h"
#include "core/graphics/Surface.h"
#include "core/graphics/fuzz/FuzzBytes.h"

namespace {

class Reader : public FuzzBytes {
public:
    using FuzzBytes::FuzzBytes;
    int Coord() { return static_cast<int8_t>(Byte()); }
};

constexpr size_t kPool = 8;

// Every surface sits in the child list of its parent and of no other, and no parent chain loops.
void CheckTree(const std::vector<CSurface*>& all) {
    for (const CSurface* s : all) {
        size_t listed = 0;
        for (const CSurface* p : all) {
            for (const CSurface* c : p->Children()) listed += c == s ? 1 : 0;
        }
        if (listed != (s->Parent() != nullptr ? 1u : 0u)) __builtin_trap();
        size_t depth = 0;
        for (const CSurface* at = s; at != nullptr; at = at->Parent()) {
            if (++depth > all.size()) __builtin_trap();
        }
    }
}

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
        std::vector<CSurface*> all = pool;
        all.push_back(root);
        CheckTree(all);
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
