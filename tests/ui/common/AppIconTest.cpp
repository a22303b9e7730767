#include "common/AppIcon.h"

#include <QImage>

#include <gtest/gtest.h>

namespace orbalux {
namespace {

TEST(AppIcon, CarriesEveryShippedSizeInsideTheProgram)
{
    const QIcon icon = appIcon();
    EXPECT_EQ(icon.availableSizes(),
        (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    for (const int size : {16, 32, 256}) {
        // Pixmaps hold premultiplied pixels, so both sides are compared in that form.
        const QImage shipped = QImage(QStringLiteral(ORBALUX_ASSET_DIR "/icons/orbalux-%1.png").arg(size))
                                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(shipped.isNull()) << size;
        const QImage fromResource = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(fromResource, shipped) << size;
    }
}

} // namespace
} // namespace orbalux
