#include "Apps/Pennimar/OpenField.h"

namespace pennimar {

bool OpenField::Contains(int x, int y) const {
    for (const FieldRect& r : rectangles_)
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return true;
    return false;
}

int64_t OpenField::Area() const {
    int64_t area = 0;
    for (const FieldRect& r : rectangles_) area += r.Area();
    return area;
}

}  // namespace pennimar
