// Frogs laid by jumping backwards from a single frog, so that every swamp can be solved.
#pragma once

#include <vector>

#include "Apps/Grumbolt/SwampBoard.h"
#include "Apps/Grumbolt/SwampDice.h"

namespace grumbolt {

class FrogPlacement {
public:
    FrogPlacement(SwampBoard& board, int capacity);

    // Places up to `capacity` frogs; returns how many stand on the board. `solution` receives the
    // forward jumps that take them back to one frog, in playing order.
    int Place(SwampDice& dice, std::vector<Jump>* solution);

private:
    struct Record {
        CellPos at;
        bool flags[4] = {};  // up, right, down, left
        int mobility = 0;
    };

    void Put(CellPos at);
    void Take(size_t index);
    void Recompute();
    size_t MovableAt(int k) const;

    SwampBoard& board_;
    int capacity_;
    std::vector<Record> frogs_;
    int movable_ = 0;
};

}  // namespace grumbolt
