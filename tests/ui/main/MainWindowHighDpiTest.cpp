#include "MainWindowFixture.h"

#include <QImage>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

class MainWindowHighDpi : public testing::MainWindowFixture {
protected:
    QImage areaAtRatio2()
    {
        QWidget* area = window.centralWidget();
        QImage image(area->size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        area->render(&image);
        return image;
    }

    // Where cell (row, column) of the board lies in the window's area, in its own pixels.
    QRect inArea(int row, int column) const
    {
        const QRect cell = play.grid().cellRect(row, column);
        return {play.grid().mapTo(window.centralWidget(), cell.topLeft()), cell.size()};
    }
};

QRect boundsOf(const QImage& image, const QColor& colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)) == colour)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

TEST_F(MainWindowHighDpi, AtRatio2TheBorderRingLiesWhereItDoesAtRatio1TimesTwo)
{
    play.newGame({".X..", "....", "....", "...."});
    const QRect ring = inArea(0, 1) | inArea(5, 4) | inArea(1, 0) | inArea(4, 5);
    const QRect drawn = boundsOf(areaAtRatio2(), QColor(0x00, 0xFF, 0xFF));
    EXPECT_EQ(drawn, QRect(ring.topLeft() * 2, ring.size() * 2));
}

} // namespace
} // namespace orbalux
