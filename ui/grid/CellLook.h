#pragma once

#include "game/SegmentKind.h"

#include <QColor>
#include <QString>

namespace orbalux {

/** How one grid cell looks, and what it means to a screen reader. */
struct CellLook {
    QString text;
    QColor background;
    /** Centred, or left with a little padding as the grid's default. */
    bool centred = true;
    SegmentKind picture = SegmentKind::None;
    /** What the colour, mark and picture tell the player, in words; empty when the text says it all. */
    QString description;

    friend bool operator==(const CellLook&, const CellLook&) = default;
};

/** The desktop's tool-tip background, or a pale yellow where the desktop reports none. */
QColor toolTipColour();

} // namespace orbalux
