#pragma once

#include "game/SegmentKind.h"

#include <QColor>
#include <QString>

#include <cstdint>

namespace orbalux {

/** What the shots prove about a field cell; each proven kind has a shape of its own. */
enum class Proven : std::uint8_t { No, Empty, Atom };

/** How one grid cell looks, and what it means to a screen reader. */
struct CellLook {
    QString text;
    QColor background;
    /** Centred, or left with a little padding as the grid's default. */
    bool centred = true;
    SegmentKind picture = SegmentKind::None;
    /** What the colour, mark and picture tell the player, in words; empty when the text says it all. */
    QString description;
    /** Drawn over the background and picture, under the text. */
    Proven proven = Proven::No;

    friend bool operator==(const CellLook&, const CellLook&) = default;
};

/** The desktop's tool-tip background, or a pale yellow where the desktop reports none. */
QColor toolTipColour();

} // namespace orbalux
