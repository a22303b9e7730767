#pragma once

#include "Colour.h"
#include "SegmentKind.h"

#include <string>

namespace orbalux {

/** Left means the grid's default: left-aligned, vertically centred. */
enum class Alignment : std::uint8_t { Left, Centre };

/** What one grid cell shows: a text over an optional picture over a background. */
struct Cell {
    std::string text;
    Colour background = Colour::ToolTip;
    Alignment alignment = Alignment::Left;
    SegmentKind picture = SegmentKind::None;

    friend bool operator==(const Cell&, const Cell&) = default;
};

} // namespace orbalux
