#include "Apps/Pennimar/FenceField.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "Apps/Pennimar/CaptureArea.h"

namespace pennimar {

namespace {

bool Horizontal(Direction d) { return d == Direction::Left || d == Direction::Right; }

bool Opposite(Direction a, Direction b) {
    return a != Direction::None && b != Direction::None && a != b && Horizontal(a) == Horizontal(b);
}

Direction Reverse(Direction d) {
    switch (d) {
        case Direction::Left: return Direction::Right;
        case Direction::Right: return Direction::Left;
        case Direction::Up: return Direction::Down;
        case Direction::Down: return Direction::Up;
        case Direction::None: break;
    }
    return Direction::None;
}

FieldPoint Plus(FieldPoint p, FieldPoint d) { return {p.x + d.x, p.y + d.y}; }

// How far the segment reaches from `p` in a direction (0 when `p` is at its end that way).
int Room(const FenceSegment& s, FieldPoint p, Direction d) {
    if (Horizontal(d) != s.horizontal) return 0;
    switch (d) {
        case Direction::Left: return p.x - s.minX;
        case Direction::Right: return s.maxX - p.x;
        case Direction::Up: return p.y - s.minY;
        case Direction::Down: return s.maxY - p.y;
        case Direction::None: break;
    }
    return 0;
}

}  // namespace

FieldPoint StepOf(Direction direction, int length) {
    switch (direction) {
        case Direction::Left: return {-length, 0};
        case Direction::Right: return {length, 0};
        case Direction::Up: return {0, -length};
        case Direction::Down: return {0, length};
        case Direction::None: break;
    }
    return {0, 0};
}

int CornerCell(Direction in, Direction out) {
    if (in == Direction::None || out == Direction::None || Horizontal(in) == Horizontal(out)) return -1;
    const Direction back = Reverse(in);
    const bool right = back == Direction::Right || out == Direction::Right;
    const bool down = back == Direction::Down || out == Direction::Down;
    return right ? (down ? 2 : 4) : (down ? 3 : 5);
}

Direction DirectionOf(const FenceSegment& s) {
    if (s.horizontal) return s.x2 >= s.x1 ? Direction::Right : Direction::Left;
    return s.y2 >= s.y1 ? Direction::Down : Direction::Up;
}

void FenceField::BuildFieldBorder(const FieldRect& f) {
    const FieldPoint corners[] = {{f.left, f.top}, {f.right, f.top}, {f.right, f.bottom}, {f.left, f.bottom}};
    ring_.Clear();
    for (int i = 0; i < 4; ++i) ring_.Add(FenceSegment::Make(corners[i], corners[(i + 1) % 4], NewId()));
    open_.Reset(f);
    PlacePlayer();
}

void FenceField::PlacePlayer() {
    segment_ = std::min<size_t>(2, ring_.Count() - 1);
    const FenceSegment& s = ring_[segment_];
    const int along = std::min(50, s.DistanceFromStart(s.End()));
    position_ = Plus(s.Start(), StepOf(DirectionOf(s), along));
    laying_ = false;
    direction_ = Direction::None;
    trail_.clear();
}

int FenceField::Progress() const {
    const int64_t value = (open_.Area() * 100 - kFieldArea * 100) / kFieldArea + 99;
    return static_cast<int>(std::clamp<int64_t>(value, 0, 99));
}

int FenceField::CapturedPercent() const { return open_.Area() >= kFieldArea ? 0 : 100 - Progress(); }

bool FenceField::WalkAlongFence(Direction direction, int step) {
    if (laying_ || ring_.Count() == 0 || step <= 0) return false;
    // At most one pass to a linked segment per step: the ring never has two ends at one point.
    for (int pass = 0; pass < 2; ++pass) {
        const FenceSegment& s = ring_[segment_];
        if (const int room = Room(s, position_, direction); room > 0) {
            position_ = Plus(position_, StepOf(direction, std::min(step, room)));
            return true;
        }
        size_t other;
        if (position_ == s.End()) other = ring_.Next(segment_);
        else if (position_ == s.Start()) other = ring_.Previous(segment_);
        else return false;
        if (Room(ring_[other], position_, direction) <= 0) return false;
        segment_ = other;
    }
    return false;
}

MoveOutcome FenceField::StartTrail(Direction direction, int step) {
    if (laying_ || direction == Direction::None) return {};
    // The point half a step ahead must be open land, and so must the very next pixel: a long
    // step could otherwise leap a sliver of fenced land and lay fence across it.
    const FieldPoint half = Plus(position_, StepOf(direction, step / 2));
    const FieldPoint next = Plus(position_, StepOf(direction, 1));
    if (!open_.Contains(half.x, half.y) || !open_.Contains(next.x, next.y)) return {};
    // Open rectangles include their edges, and a fence is no place for new fence: not on it, and
    // not along it from here.
    for (const FenceSegment& s : ring_.Segments())
        if (s.Contains(half) || s.Contains(next)) return {};
    laying_ = true;
    direction_ = Direction::None;
    trailStart_ = turn_ = position_;
    startSegment_ = segment_;
    trail_.clear();
    const FieldPoint d = StepOf(direction, step);
    const MoveOutcome outcome = MovePlayer(direction, d.x, d.y);
    if (outcome.kind != MoveKind::Moved && outcome.kind != MoveKind::Captured) laying_ = false;
    return outcome;
}

MoveOutcome FenceField::MovePlayer(Direction direction, int dx, int dy) {
    if (!laying_ || Opposite(direction, direction_) || (dx == 0 && dy == 0)) return {};
    const FenceSegment move = FenceSegment::Make(position_, Plus(position_, {dx, dy}), 0);
    for (const FenceSegment& t : trail_)
        if (SegmentsTouch(t, move)) return {};

    const bool turning = direction_ != Direction::None && direction != direction_;
    // Room for the piece this turn ends and for the one that will close the trail.
    if (turning && trail_.size() + 2 > kMaxTrail) return {MoveKind::Refused};

    const bool firstStep = direction_ == Direction::None;
    long nearest = -1;
    int nearestDistance = std::numeric_limits<int>::max();
    FieldPoint meeting;
    for (size_t i = 0; i < ring_.Count(); ++i) {
        if (firstStep && (i == startSegment_ || i == ring_.Next(startSegment_) || i == ring_.Previous(startSegment_)))
            continue;
        const FenceSegment& s = ring_[i];
        if (!SegmentsTouch(s, move)) continue;
        const FieldPoint at = s.horizontal ? FieldPoint{move.x1, s.y1} : FieldPoint{s.x1, move.y1};
        const int distance = std::abs(at.x - position_.x) + std::abs(at.y - position_.y);
        if (distance < nearestDistance) nearest = static_cast<long>(i), nearestDistance = distance, meeting = at;
    }
    if (nearest >= 0) return Capture(meeting, static_cast<size_t>(nearest), turning ? CornerCell(direction_, direction) : -1);

    MoveOutcome outcome{MoveKind::Moved};
    if (turning) {
        trail_.push_back(FenceSegment::Make(turn_, position_, NewId()));
        turn_ = position_;
        outcome.cornerCell = CornerCell(direction_, direction);
    }
    position_ = move.End();
    direction_ = direction;
    return outcome;
}

void FenceField::AppendPiece(std::vector<FenceSegment>& out, FieldPoint from, FieldPoint to, uint32_t keepId) {
    // A cut at a segment's end leaves nothing worth keeping.
    if (from == to) return;
    out.push_back(FenceSegment::Make(from, to, keepId != 0 ? keepId : NewId()));
}

std::vector<FenceSegment> FenceField::RingPath(FieldPoint from, size_t a, FieldPoint to, size_t b) {
    std::vector<FenceSegment> out;
    const FenceSegment& first = ring_[a];
    if (a == b && first.DistanceFromStart(to) > first.DistanceFromStart(from)) {
        AppendPiece(out, from, to, 0);
        return out;
    }
    AppendPiece(out, from, first.End(), from == first.Start() ? first.id : 0);
    for (size_t i = ring_.Next(a); i != b; i = ring_.Next(i)) out.push_back(ring_[i]);
    const FenceSegment& last = ring_[b];
    AppendPiece(out, last.Start(), to, to == last.End() ? last.id : 0);
    return out;
}

MoveOutcome FenceField::Capture(FieldPoint at, size_t segment, int cornerCell) {
    const bool turning = cornerCell >= 0;
    std::vector<FenceSegment> trail = trail_;
    FieldPoint from = turn_;
    if (turning) {
        AppendPiece(trail, turn_, position_, 0);
        from = position_;
    }
    AppendPiece(trail, from, at, 0);

    std::vector<FenceSegment> sideA = trail;
    std::vector<FenceSegment> ringA = RingPath(at, segment, trailStart_, startSegment_);
    sideA.insert(sideA.end(), ringA.begin(), ringA.end());
    std::vector<FenceSegment> sideB;
    for (auto it = trail.rbegin(); it != trail.rend(); ++it)
        sideB.push_back(FenceSegment::Make(it->End(), it->Start(), it->id));
    std::vector<FenceSegment> ringB = RingPath(trailStart_, startSegment_, at, segment);
    sideB.insert(sideB.end(), ringB.begin(), ringB.end());

    std::vector<FieldRect> rectanglesA, rectanglesB;
    const auto areaA = CaptureArea(sideA, rectanglesA);
    const auto areaB = CaptureArea(sideB, rectanglesB);
    if (!areaA || !areaB) return {MoveKind::Refused};
    const bool captureA = *areaA < *areaB;
    std::vector<FenceSegment>& kept = captureA ? sideB : sideA;
    std::vector<FieldRect>& open = captureA ? rectanglesB : rectanglesA;
    if (kept.size() > FenceList::kMaxSegments || open.size() > OpenField::kMaxRectangles)
        return {MoveKind::Refused};

    lastCapture_.captured = std::move(captureA ? rectanglesA : rectanglesB);
    lastCapture_.trail = std::move(trail);
    lastCapture_.formerRing.assign(ring_.Segments().begin(), ring_.Segments().end());
    ring_.Assign(std::move(kept));
    open_.Assign(std::move(open));
    lastCapture_.progress = Progress();

    position_ = at;
    for (size_t i = 0; i < ring_.Count(); ++i)
        if (ring_[i].Start() == at || ring_[i].End() == at) {
            segment_ = i;
            break;
        }
    laying_ = false;
    direction_ = Direction::None;
    trail_.clear();
    return {MoveKind::Captured, cornerCell};
}

std::vector<FenceSegment> FenceField::AbandonTrail() {
    if (!laying_) return {};
    std::vector<FenceSegment> painted = std::move(trail_);
    AppendPiece(painted, turn_, position_, 0);
    trail_.clear();
    position_ = trailStart_;
    segment_ = startSegment_;
    laying_ = false;
    direction_ = Direction::None;
    return painted;
}

}  // namespace pennimar
