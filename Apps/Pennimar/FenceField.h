// The field of one level: the fence ring around the open land, the open land as rectangles, and
// the farmer who walks the ring and lays new fence (the trail) across the open land. Closing a
// trail on the ring captures the smaller of the two sides it makes. Nothing here draws: the
// results say what changed, and the screen paints it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "Apps/Pennimar/FenceList.h"
#include "Apps/Pennimar/FenceSegment.h"
#include "Apps/Pennimar/OpenField.h"

namespace pennimar {

enum class Direction { None = 0, Left = 1, Up = 2, Right = 3, Down = 4 };

FieldPoint StepOf(Direction direction, int length);
// The corner cell (2 to 5 of the fence strip) where a fence arriving in direction `in` leaves in
// direction `out`; -1 when it goes straight on.
int CornerCell(Direction in, Direction out);
Direction DirectionOf(const FenceSegment& segment);

enum class MoveKind { Ignored, Refused, Moved, Captured };

struct MoveOutcome {
    MoveKind kind = MoveKind::Ignored;
    int cornerCell = -1;  // at the turn just made (the position before the move), or -1
};

struct CaptureResult {
    std::vector<FieldRect> captured;  // to fill with grass
    std::vector<FenceSegment> trail;  // the new fence, from its start to where it closed
    std::vector<FenceSegment> formerRing;  // the fence round the captured land, with the trail
    int progress = 99;                // 99 minus the whole percent captured so far
};

class FenceField {
public:
    static constexpr FieldRect kField{4, 56, 496, 416};
    static constexpr int64_t kFieldArea = 177120;
    static constexpr size_t kMaxTrail = 1000;

    // A new ring round `field`, all of it open, the farmer on the third side.
    void BuildFieldBorder(const FieldRect& field = kField);
    bool IsInOpenField(int x, int y) const { return open_.Contains(x, y); }
    // The farmer on the ring's third segment, 50 pixels from its start, with no trail.
    void PlacePlayer();

    // A step along the fence, passing to the linked segment at an end; false when the fence does
    // not go that way.
    bool WalkAlongFence(Direction direction, int step);
    // Leaves the fence into the open land when the point half a step ahead is open.
    MoveOutcome StartTrail(Direction direction, int step);
    // One step of a trail being laid (dx, dy along `direction`).
    MoveOutcome MovePlayer(Direction direction, int dx, int dy);
    // Takes back an unfinished trail: the farmer returns to where it left the fence. The pieces to
    // paint over; none when no trail was being laid.
    std::vector<FenceSegment> AbandonTrail();

    const FenceList& Ring() const { return ring_; }
    const OpenField& Open() const { return open_; }
    FieldPoint Player() const { return position_; }
    size_t PlayerSegment() const { return segment_; }
    bool IsLaying() const { return laying_; }
    Direction TrailDirection() const { return direction_; }
    std::span<const FenceSegment> Trail() const { return trail_; }
    // The piece being laid runs from here to the farmer.
    FieldPoint TurnPoint() const { return turn_; }
    const CaptureResult& LastCapture() const { return lastCapture_; }
    // 99 minus the whole percent captured.
    int Progress() const;
    // The share shown: none before anything is fenced, else 100 minus the progress value, so a
    // thin strip already shows 1.
    int CapturedPercent() const;

private:
    uint32_t NewId() { return nextId_++; }
    void AppendPiece(std::vector<FenceSegment>& out, FieldPoint from, FieldPoint to, uint32_t keepId);
    std::vector<FenceSegment> RingPath(FieldPoint from, size_t fromSegment, FieldPoint to, size_t toSegment);
    MoveOutcome Capture(FieldPoint at, size_t segment, int cornerCell);

    FenceList ring_;
    OpenField open_;
    FieldPoint position_;
    size_t segment_ = 0;
    bool laying_ = false;
    Direction direction_ = Direction::None;
    std::vector<FenceSegment> trail_;
    FieldPoint turn_;
    FieldPoint trailStart_;
    size_t startSegment_ = 0;
    CaptureResult lastCapture_;
    uint32_t nextId_ = 1;
};

}  // namespace pennimar
