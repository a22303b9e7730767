#include "grid/CellGrid.h"
#include "grid/PictureStore.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <optional>

namespace orbalux {
namespace {

// The shipped pictures draw dark red; field cells are pale, lines grey, text black.
bool isTrace(QRgb pixel)
{
    return qGreen(pixel) < 128 && qRed(pixel) > 100;
}

bool isText(QRgb pixel)
{
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// First and last step from start along step whose pixel is a trace, if any.
std::optional<std::pair<int, int>> traceSpan(const QImage& image, QPoint start, QPoint step, int count)
{
    std::optional<std::pair<int, int>> span;
    for (int i = 0; i < count; ++i) {
        if (!isTrace(image.pixel(start + i * step)))
            continue;
        span = span ? std::pair(span->first, i) : std::pair(i, i);
    }
    return span;
}

// The bounding box of the text drawn inside rect.
QRect textBox(const QImage& image, const QRect& rect)
{
    QRect box;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (isText(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

const QColor kField(0xFFFFE1);

class CellGridPaint : public ::testing::Test {
protected:
    CellGridPaint()
    {
        EXPECT_FALSE(m_pictures.load({std::filesystem::path(ORBALUX_ASSET_DIR)}));
        m_grid.setPictureStore(&m_pictures);
        m_grid.setCells(10, 10, m_looks);
        m_grid.resize(m_grid.sizeHint());
    }

    CellLook& cell(int row, int column) { return m_looks[static_cast<std::size_t>(row * 10 + column)]; }

    QImage grabbed()
    {
        m_grid.setCells(10, 10, m_looks);
        return m_grid.grab().toImage();
    }

    QImage renderedAtRatio2()
    {
        m_grid.setCells(10, 10, m_looks);
        QImage image(m_grid.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        image.fill(Qt::white);
        m_grid.render(&image);
        return image;
    }

    std::vector<CellLook> m_looks = std::vector<CellLook>(100, CellLook{{}, kField, true, {}, {}});
    PictureStore m_pictures;
    CellGrid m_grid;
};

TEST_F(CellGridPaint, EachCellShowsItsBackgroundColour)
{
    const std::vector<std::tuple<int, int, QColor>> cells = {
        {0, 0, QColor(0xC0C0C0)}, {0, 4, QColor(Qt::red)}, {9, 5, QColor(Qt::yellow)}, {5, 5, QColor(Qt::blue)}};
    for (const auto& [row, column, colour] : cells)
        cell(row, column).background = colour;

    const QImage image = grabbed();
    for (const auto& [row, column, colour] : cells)
        EXPECT_EQ(QColor(image.pixel(m_grid.cellRect(row, column).center())), colour);
    EXPECT_EQ(QColor(image.pixel(m_grid.cellRect(4, 4).center())), kField);
}

TEST_F(CellGridPaint, TracePictureCrossesItsCellOverTheBackground)
{
    cell(4, 4).picture = SegmentKind::VBar;
    const QRect rect = m_grid.cellRect(4, 4);

    QImage image = grabbed();
    EXPECT_TRUE(isTrace(image.pixel(rect.center().x(), rect.top())));
    EXPECT_TRUE(isTrace(image.pixel(rect.center().x(), rect.bottom())));
    EXPECT_EQ(QColor(image.pixel(rect.left() + 2, rect.center().y())), kField);

    m_grid.setPictureStore(nullptr);
    image = grabbed();
    EXPECT_EQ(QColor(image.pixel(rect.center())), kField);
}

TEST_F(CellGridPaint, TextIsBlackCentredOrLeftWithPadding)
{
    m_grid.setCells(1, 2, {{QStringLiteral("H"), QColor(Qt::red), true, SegmentKind::None, {}},
                              {QStringLiteral("Hit"), kField, false, SegmentKind::None, {}}});
    m_grid.setColumnWidth(1, 120);
    m_grid.resize(m_grid.sizeHint());
    const QImage image = m_grid.grab().toImage();

    const QRect symbol = m_grid.cellRect(0, 0);
    const QRect centred = textBox(image, symbol);
    ASSERT_FALSE(centred.isNull());
    EXPECT_NEAR(centred.center().x(), symbol.center().x(), 2);
    EXPECT_NEAR(centred.center().y(), symbol.center().y(), 3);

    const QRect word = m_grid.cellRect(0, 1);
    const QRect left = textBox(image, word);
    ASSERT_FALSE(left.isNull());
    EXPECT_GE(left.left(), word.left() + 1);
    EXPECT_LE(left.left(), word.left() + 6);
    EXPECT_NEAR(left.center().y(), word.center().y(), 3);
}

// Which pixels of rect differ from the cell's background, as the eye sees a shape on it.
std::vector<bool> shapeIn(const QImage& image, const QRect& rect)
{
    const QRgb background = image.pixel(rect.topLeft());
    std::vector<bool> shape;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            shape.push_back(image.pixel(x, y) != background);
    }
    return shape;
}

// Proven cells must tell apart from each other and from every other look by shape alone, a
// mark must stay readable on both, so a mark on a cell proven empty shows itself wrong.
TEST_F(CellGridPaint, ProvenCellsHaveShapesOfTheirOwnUnderAReadableMark)
{
    const QString mark = QStringLiteral("O");
    cell(0, 0) = {{}, kField, true, SegmentKind::None, {}, Proven::Empty};
    cell(0, 1) = {{}, kField, true, SegmentKind::None, {}, Proven::Atom};
    cell(0, 2) = {mark, kField, true, SegmentKind::None, {}, Proven::Empty};
    cell(0, 3) = {mark, kField, true, SegmentKind::None, {}, Proven::Atom};
    cell(0, 4) = {mark, kField, true, SegmentKind::None, {}};
    cell(0, 5) = {{}, QColor(Qt::blue), true, SegmentKind::None, {}};
    for (int kind = 1; kind < kSegmentKindCount; ++kind)
        cell(1, kind) = {{}, kField, true, static_cast<SegmentKind>(kind), {}};
    cell(2, 1) = {QStringLiteral("H"), kField, true, SegmentKind::None, {}};
    cell(2, 2) = {QStringLiteral("x"), kField, true, SegmentKind::None, {}};
    cell(2, 3) = {QStringLiteral("o"), kField, true, SegmentKind::None, {}};
    const QImage image = grabbed();
    const auto shape = [&](int row, int column) { return shapeIn(image, m_grid.cellRect(row, column)); };

    const std::vector<bool> empty = shape(0, 0);
    const std::vector<bool> atom = shape(0, 1);
    EXPECT_NE(empty, atom);
    for (const auto& [row, column] : std::vector<std::pair<int, int>>{
             {0, 4}, {0, 5}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7}, {2, 1}, {2, 2}, {2, 3}, {4, 4}}) {
        EXPECT_NE(empty, shape(row, column)) << row << "," << column;
        EXPECT_NE(atom, shape(row, column)) << row << "," << column;
    }
    // Every pixel of the mark alone shows in the mark on either proven cell: dark on the dots,
    // light on the disc.
    const QRect alone = m_grid.cellRect(0, 4);
    const QPoint toEmpty = m_grid.cellRect(0, 2).topLeft() - alone.topLeft();
    const QPoint toAtom = m_grid.cellRect(0, 3).topLeft() - alone.topLeft();
    int markPixels = 0;
    for (int y = alone.top(); y <= alone.bottom(); ++y) {
        for (int x = alone.left(); x <= alone.right(); ++x) {
            if (!isText(image.pixel(x, y)))
                continue;
            ++markPixels;
            EXPECT_TRUE(isText(image.pixel(QPoint(x, y) + toEmpty))) << x << "," << y;
            EXPECT_GT(qGray(image.pixel(QPoint(x, y) + toAtom)), 128) << x << "," << y;
        }
    }
    EXPECT_GT(markPixels, 10);
}

// The shapes are drawn at the screen's own resolution, not scaled up from a coarser picture.
TEST_F(CellGridPaint, AtRatio2ProvenShapesKeepTheirPlaceAndShareOfTheCell)
{
    cell(3, 3) = {{}, kField, true, SegmentKind::None, {}, Proven::Atom};
    const auto darkShare = [](const QImage& image, const QRect& rect) {
        int dark = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 64 ? 1 : 0;
        }
        return static_cast<double>(dark) / (rect.width() * rect.height());
    };
    const QRect rect = m_grid.cellRect(3, 3);
    const double once = darkShare(grabbed(), rect);
    const QImage twice = renderedAtRatio2();
    const QRect doubled(rect.topLeft() * 2, rect.size() * 2);
    EXPECT_GT(once, 0.25);
    EXPECT_NEAR(darkShare(twice, doubled), once, 0.05);
    // Crisp: at twice the pixels the disc's edge is no wider, so few pixels are half-tone.
    int halfTone = 0;
    for (int y = doubled.top(); y <= doubled.bottom(); ++y) {
        for (int x = doubled.left(); x <= doubled.right(); ++x) {
            const int grey = qGray(twice.pixel(x, y));
            halfTone += grey >= 64 && grey < 200 ? 1 : 0;
        }
    }
    EXPECT_LT(halfTone, 4 * doubled.width());
}

// The length of the run of pixels of colour that starts at start and goes on by step.
int runLength(const QImage& image, QPoint start, QPoint step, const QColor& colour)
{
    int length = 0;
    for (QPoint p = start; image.rect().contains(p) && QColor(image.pixel(p)) == colour; p += step)
        ++length;
    return length;
}

TEST_F(CellGridPaint, AtRatio2EveryCellIsASquareOfTwiceThePixels)
{
    const QImage image = renderedAtRatio2();
    const QColor field = kField;
    for (const auto& [row, column] : {std::pair(1, 1), std::pair(5, 5), std::pair(8, 3)}) {
        const QRect rect = m_grid.cellRect(row, column);
        const QPoint centre = rect.center() * 2;
        const int across = runLength(image, {rect.left() * 2, centre.y()}, {1, 0}, field);
        const int down = runLength(image, {centre.x(), rect.top() * 2}, {0, 1}, field);
        EXPECT_EQ(across, rect.width() * 2) << row << "," << column;
        EXPECT_EQ(down, rect.width() * 2) << row << "," << column;
        EXPECT_NE(QColor(image.pixel(rect.left() * 2 - 1, centre.y())), field);
    }
}

TEST_F(CellGridPaint, AtRatio2GridLinesAreTwoSharpPixels)
{
    const QImage image = renderedAtRatio2();
    const QColor field = kField;
    const QColor line(0x80, 0x80, 0x80);
    const int y = m_grid.cellRect(4, 0).center().y() * 2;
    int lines = 0;
    for (int x = 0; x < image.width();) {
        const QColor colour(image.pixel(x, y));
        ASSERT_TRUE(colour == field || colour == line) << x << " " << colour.name().toStdString();
        const int run = runLength(image, {x, y}, {1, 0}, colour);
        if (colour == line) {
            EXPECT_EQ(run, 2) << x;
            ++lines;
        }
        x += run;
    }
    EXPECT_EQ(lines, 11);
}

TEST_F(CellGridPaint, AtRatio2ATracedPathMeetsAcrossCellEdges)
{
    // A laser heading right that turns upwards: straight, corner, straight.
    cell(5, 3).picture = SegmentKind::HBar;
    cell(5, 4).picture = SegmentKind::NWBar;
    cell(4, 4).picture = SegmentKind::VBar;
    const QImage image = renderedAtRatio2();
    const QRect straight = m_grid.cellRect(5, 3);
    const QRect corner = m_grid.cellRect(5, 4);
    const QRect above = m_grid.cellRect(4, 4);
    const int side = straight.height() * 2;

    const auto leaving = traceSpan(image, QPoint(straight.right() * 2 + 1, straight.top() * 2), {0, 1}, side);
    const auto entering = traceSpan(image, QPoint(corner.left() * 2, corner.top() * 2), {0, 1}, side);
    ASSERT_TRUE(leaving && entering);
    EXPECT_NEAR(entering->first, leaving->first, 1);
    EXPECT_NEAR(entering->second, leaving->second, 1);
    EXPECT_NEAR(leaving->first + leaving->second, side - 1, 1);
    EXPECT_NEAR(leaving->second - leaving->first + 1, 6, 1);

    const auto rising = traceSpan(image, QPoint(corner.left() * 2, corner.top() * 2), {1, 0}, side);
    const auto below = traceSpan(image, QPoint(above.left() * 2, above.bottom() * 2 + 1), {1, 0}, side);
    ASSERT_TRUE(rising && below);
    EXPECT_NEAR(rising->first, below->first, 1);
    EXPECT_NEAR(rising->second, below->second, 1);
}

} // namespace
} // namespace orbalux
