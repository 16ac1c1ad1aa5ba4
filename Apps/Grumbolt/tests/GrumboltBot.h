// A player that only looks at the screen: it reads the swamp's 11 x 11 cells off the water (a
// frog shows dark outlines, a free lilypad is mostly green, water neither), finds its own way
// down to one frog by searching the jumps, and plays them by clicking the frog and then the free
// lilypad beyond its neighbour, waiting out each leap.
#pragma once

#include <optional>
#include <vector>

#include "Apps/Grumbolt/SwampBoard.h"
#include "Apps/Grumbolt/tests/SwampSearch.h"
#include "Apps/Grumbolt/tests/GrumboltSession.h"

namespace grumbolt::test {

class GrumboltBot {
public:
    explicit GrumboltBot(GrumboltView& view) : view_(view) {}

    // The swamp as the screen shows it now.
    SwampBoard Read() const;
    // The water with its lilypads and frogs, pixel by pixel.
    std::vector<uint32_t> SwampPixels() const;

    // Plays `jumps`; the box that the last one brings is answered OK unless `answerLast` is false.
    void Play(const std::vector<Jump>& jumps, bool answerLast = true);
    // Reads, solves and plays the swamp on the screen; false when it found no way.
    bool SolveShownSwamp();

private:
    void Hop(const Jump& jump);

    GrumboltView& view_;
};

}  // namespace grumbolt::test
