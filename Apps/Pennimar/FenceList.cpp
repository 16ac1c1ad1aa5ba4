#include "Apps/Pennimar/FenceList.h"

namespace pennimar {

bool FenceList::Add(const FenceSegment& segment) {
    if (segments_.size() >= kMaxSegments) return false;
    segments_.push_back(segment);
    return true;
}

long FenceList::Find(uint32_t id) const {
    for (size_t i = 0; i < segments_.size(); ++i)
        if (segments_[i].id == id) return static_cast<long>(i);
    return -1;
}

bool FenceList::IsClosed() const {
    if (segments_.empty()) return false;
    for (size_t i = 0; i < segments_.size(); ++i)
        if (segments_[i].End() != segments_[Next(i)].Start()) return false;
    return true;
}

}  // namespace pennimar
