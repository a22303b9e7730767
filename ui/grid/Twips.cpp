#include "Twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>

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

TwipScale::TwipScale()
{
    const QFontMetricsF metrics(QApplication::font());
    for (const Caption& caption : kTightestCaptions) {
        const double needed = metrics.horizontalAdvance(QString::fromLatin1(caption.text)) + 2.0;
        m_factor = std::max(m_factor, needed * kTwipsPerPixel / caption.widthInTwips);
    }
}

int TwipScale::operator()(int length) const
{
    return static_cast<int>(std::lround(length * m_factor / kTwipsPerPixel));
}

void TwipScale::place(QWidget* control, int left, int top, int width, int height) const
{
    const TwipScale& twips = *this;
    control->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

int twips(int length)
{
    return TwipScale()(length);
}

} // namespace orbalux
