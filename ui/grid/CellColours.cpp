#include "CellColours.h"

#include <QPalette>
#include <QToolTip>

#include <array>

namespace orbalux {

namespace {

constexpr std::array<QRgb, 16> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// Some desktops (and the offscreen platform) report no tool-tip colour at all.
constexpr QRgb kPaleToolTip = 0xFFFFE1;

QColor toolTipColour()
{
    const QColor desktop = QToolTip::palette().color(QPalette::ToolTipBase);
    return desktop.isValid() ? desktop : QColor(kPaleToolTip);
}

} // namespace

QColor cellColour(Colour colour)
{
    const auto index = static_cast<std::size_t>(colour);
    if (index < kPalette.size())
        return QColor(kPalette[index]);
    return toolTipColour();
}

} // namespace orbalux
