#include "Twips.h"

#include <QApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace orbalux {

namespace {

struct Caption {
    const char* text;
    int widthInTwips;
};

// The main window's tightest captions; the layouts were drawn for a font in which they just fit.
constexpr Caption kTightestCaptions[] = {
    {"Atoms on Board:", 1215},
    {"Atoms in Game:", 1335},
    {"Best Score:", 855},
};

constexpr double kTwipsPerPixel = 15.0;

} // namespace

double layoutScale()
{
    const QFontMetricsF metrics(QApplication::font());
    double scale = 1.0;
    for (const Caption& caption : kTightestCaptions) {
        const double needed = metrics.horizontalAdvance(QString::fromLatin1(caption.text)) + 2.0;
        scale = std::max(scale, needed * kTwipsPerPixel / caption.widthInTwips);
    }
    return scale;
}

int twips(int length)
{
    return static_cast<int>(std::lround(length * layoutScale() / kTwipsPerPixel));
}

} // namespace orbalux
