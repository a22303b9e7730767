#pragma once

#include "game/BorderCell.h"
#include "game/SegmentKind.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace orbalux {

/** Which way the laser runs. */
enum class Heading : std::uint8_t { Down, Up, Right, Left };

/** Where a cell lies from the laser's cell. */
struct CellOffset {
    int row;
    int column;
};

/** A turn away from an atom on a diagonal: the new heading and the corner drawn where it happens. */
struct LaserTurn {
    Heading heading;
    SegmentKind corner;
};

/**
 * What a laser with one heading looks at before each step, and what each answer does to it. The
 * first diagonal is the one on the left of a laser running down or up and below one running right
 * or left; a turn goes away from its atom, and two diagonal atoms send the laser back.
 */
struct LaserLook {
    CellOffset ahead;
    CellOffset first;
    CellOffset second;
    LaserTurn firstTurn;
    LaserTurn secondTurn;
    Heading reversed;
    /** The picture of a straight step, and of a reversal, with this heading. */
    SegmentKind straight;
};

/** The looks of the four headings, indexed by Heading. */
inline constexpr std::array<LaserLook, 4> kLaserLooks{{
    {{1, 0}, {1, -1}, {1, 1}, {Heading::Right, SegmentKind::NEBar}, {Heading::Left, SegmentKind::NWBar},
        Heading::Up, SegmentKind::VBar},
    {{-1, 0}, {-1, -1}, {-1, 1}, {Heading::Right, SegmentKind::SEBar}, {Heading::Left, SegmentKind::SWBar},
        Heading::Down, SegmentKind::VBar},
    {{0, 1}, {1, 1}, {-1, 1}, {Heading::Up, SegmentKind::NWBar}, {Heading::Down, SegmentKind::SWBar},
        Heading::Left, SegmentKind::HBar},
    {{0, -1}, {1, -1}, {-1, -1}, {Heading::Up, SegmentKind::NEBar}, {Heading::Down, SegmentKind::SEBar},
        Heading::Right, SegmentKind::HBar},
}};

/** The look of heading. */
constexpr const LaserLook& laserLook(Heading heading)
{
    return kLaserLooks[static_cast<std::size_t>(heading)];
}

/** The heading of a laser fired into the field from a border cell on side. */
constexpr Heading headingFrom(Side side)
{
    switch (side) {
    case Side::Top: return Heading::Down;
    case Side::Right: return Heading::Left;
    case Side::Bottom: return Heading::Up;
    case Side::Left: break;
    }
    return Heading::Right;
}

/** True while the laser at (row, column) still stands on the border cell it came in from. */
constexpr bool onEntryBorder(Heading heading, int row, int column, int gridSize)
{
    switch (heading) {
    case Heading::Down: return row == 0;
    case Heading::Up: return row == gridSize + 1;
    case Heading::Right: return column == 0;
    case Heading::Left: break;
    }
    return column == gridSize + 1;
}

/** True when the laser at (row, column) stands on the last playing line before the border ahead. */
constexpr bool onLastLine(Heading heading, int row, int column, int gridSize)
{
    switch (heading) {
    case Heading::Down: return row == gridSize;
    case Heading::Up: return row == 1;
    case Heading::Right: return column == gridSize;
    case Heading::Left: break;
    }
    return column == 1;
}

} // namespace orbalux
