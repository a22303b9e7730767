#pragma once

#include "deduce/PartialField.h"
#include "game/CellPos.h"
#include "game/LaserLook.h"
#include "game/Outcome.h"

#include <cstdint>

namespace orbalux {

/** Where a walk over a partly decided field stopped: at its end, or before an undecided cell. */
struct WalkStop {
    bool finished = false;
    /** The undecided cell the walk must look at next, when not finished. */
    int blockedCell = -1;
    /** Hit, Reflection or Deflection when finished; None for a walk that never ends. */
    Outcome outcome = Outcome::None;
    /** Where a Deflection left the field. */
    CellPos exit;
};

/** A laser walk, by the rules of TraceLaser, that goes as far as the decided cells take it. */
class PartialWalk {
public:
    /** entry is a border cell of the gridSize field (1..kMaxGridSize), not a corner. */
    PartialWalk(int gridSize, CellPos entry);

    /**
     * Walks on while every cell it looks at is decided, taking the cell assumed (-1 for none) to
     * be assumedState. Between calls, cells of field may only go from undecided to decided.
     */
    WalkStop advance(const PartialField& field, int assumed = -1,
        CellState assumedState = CellState::Unknown);

private:
    struct Lookup;

    int step(const Lookup& cellAt);
    void turnOrMove(bool firstAtom, bool secondAtom);
    void moveAhead();
    bool onLastLine() const;
    bool onEntryBorder() const;
    void finish(Outcome outcome);
    WalkStop stop(int blockedCell) const;

    std::int8_t m_gridSize;
    std::int8_t m_row;
    std::int8_t m_column;
    Heading m_heading;
    std::int8_t m_entryRow;
    std::int8_t m_entryColumn;
    Outcome m_outcome = Outcome::None;
    bool m_finished = false;
    std::uint16_t m_steps = 0;
};

} // namespace orbalux
