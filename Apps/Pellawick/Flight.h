// The path of a thrown item: a straight line from start to end with an arc on top whose height
// at mid-flight is the peak height. The time of flight grows with the horizontal distance.
#pragma once

namespace pellawick {

struct PointF {
    float x = 0, y = 0;
};

class Flight {
public:
    // `factor`: seconds per 344 pixels of horizontal distance.
    Flight(PointF start, PointF end, float factor, float peakHeight, int now);

    int Duration() const { return duration_; }  // ms
    bool Arrived(int now) const { return now - start_ >= duration_; }
    // Where the item's picture goes at `now` (its top-left corner); at the end once arrived.
    PointF At(int now) const;

private:
    PointF from_, to_;
    float peak_;
    int start_;
    int duration_;
};

}  // namespace pellawick
