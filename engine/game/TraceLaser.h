#pragma once

#include "game/AtomLayout.h"
#include "game/CellPos.h"
#include "game/Outcome.h"
#include "game/SegmentKind.h"

#include <cstdint>
#include <vector>

namespace orbalux {

/** One picture of a shot's path: which kind, in which playing cell. */
struct TraceSegment {
    SegmentKind kind = SegmentKind::None;
    CellPos cell;

    friend bool operator==(const TraceSegment&, const TraceSegment&) = default;
};

/** What a laser walk yields. */
struct LaserWalk {
    Outcome outcome = Outcome::None;
    CellPos finalCell;
    std::vector<TraceSegment> trace;
};

/**
 * Walks a laser fired from the border cell entry into a gridSize x gridSize field (1..kMaxGridSize).
 * Pure: reads only atoms. Outcome None when entry is not a border cell other than a corner,
 * or gridSize is out of range; then finalCell is entry and the trace is empty.
 */
LaserWalk TraceLaser(const AtomLayout& atoms, std::int16_t gridSize, CellPos entry);

} // namespace orbalux
