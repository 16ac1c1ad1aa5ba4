// A farmer steered by arbitrary bytes: each byte walks, starts a trail, lays fence or gives the
// trail up, with odd step lengths too. Whatever it does, the ring stays closed, the open land and
// the captured land make up the field, and nothing is read out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Apps/Pennimar/FenceField.h"

using namespace pennimar;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FenceField field;
    field.BuildFieldBorder();
    int64_t captured = 0;
    for (size_t i = 0; i < size && i < 4000; ++i) {
        const auto direction = static_cast<Direction>((data[i] & 3) + 1);
        const int step = (data[i] & 0x40) ? 4 : 1 + ((data[i] >> 2) & 7);
        const FieldPoint d = StepOf(direction, step);
        MoveKind kind = MoveKind::Ignored;
        switch (data[i] >> 7 | (field.IsLaying() ? 2 : 0)) {
            case 0: field.WalkAlongFence(direction, step); break;
            case 1: kind = field.StartTrail(direction, step).kind; break;
            default:
                if ((data[i] & 0x3C) == 0x3C) field.AbandonTrail();
                else kind = field.MovePlayer(direction, d.x, d.y).kind;
        }
        if (kind == MoveKind::Captured)
            for (const FieldRect& r : field.LastCapture().captured) captured += r.Area();
        if (!field.Ring().IsClosed() || field.Open().Area() + captured != FenceField::kFieldArea) std::abort();
    }
    return 0;
}
