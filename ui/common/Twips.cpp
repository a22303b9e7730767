#include "common/Twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace orbalux {

namespace {

constexpr double kTwipsPerPixel = 15.0;

} // namespace

// The layouts were drawn for a narrower font; rather than cut captions off, the whole layout
// grows uniformly, so proportions and square cells stay as drawn.
TwipScale::TwipScale(std::initializer_list<DesignCaption> tightest)
{
    const QFontMetricsF metrics(QApplication::font());
    for (const DesignCaption& caption : tightest) {
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

} // namespace orbalux
