#include "grid/BoardLook.h"

#include "game/DeflectionLetter.h"

#include <gtest/gtest.h>

namespace orbalux {
namespace {

const QColor kSilver(QStringLiteral("silver"));
const QColor kAqua(QStringLiteral("aqua"));
const QColor kRed(QStringLiteral("red"));
const QColor kYellow(QStringLiteral("yellow"));
const QColor kLime(QStringLiteral("lime"));
const QColor kBlue(QStringLiteral("blue"));

constexpr CellPos kTop{0, 2};
constexpr CellPos kLeft{3, 0};
constexpr CellPos kField{2, 3};

// What a screen reader hears and what the eye sees of one cell, for readable failures.
struct Seen {
    QString text;
    QColor background;
    SegmentKind picture = SegmentKind::None;
    QString description;

    friend bool operator==(const Seen&, const Seen&) = default;
    friend void PrintTo(const Seen& seen, std::ostream* out)
    {
        *out << '"' << seen.text.toStdString() << "\" on " << seen.background.name().toStdString() << " picture "
             << static_cast<int>(seen.picture) << " \"" << seen.description.toStdString() << '"';
    }
};

class BoardLook : public ::testing::Test {
protected:
    Seen seen(CellPos pos) const
    {
        const CellLook look = lookOf(m_board, pos);
        return {look.text, look.background, look.picture, look.description};
    }
    Cell& at(CellPos pos) { return m_board.cell(pos); }

    Board m_board{4, false};
};

TEST_F(BoardLook, CornersAreBlankSilverAndNamedByWhereTheyAre)
{
    EXPECT_EQ(seen({0, 0}), (Seen{"", kSilver, SegmentKind::None, "top left corner"}));
    EXPECT_EQ(seen({0, 5}), (Seen{"", kSilver, SegmentKind::None, "top right corner"}));
    EXPECT_EQ(seen({5, 0}), (Seen{"", kSilver, SegmentKind::None, "bottom left corner"}));
    EXPECT_EQ(seen({5, 5}), (Seen{"", kSilver, SegmentKind::None, "bottom right corner"}));
}

TEST_F(BoardLook, UnshotBorderCellsAreAquaAndShowTheirNumberOnlyWhenTheBoardHasOne)
{
    EXPECT_EQ(seen(kTop), (Seen{"", kAqua, SegmentKind::None, "top border 2"}));
    m_board = Board(4, true);
    EXPECT_EQ(seen(kTop), (Seen{QString::number(m_board.borderNumber(kTop)), kAqua, SegmentKind::None, "top border 2"}));
    EXPECT_EQ(seen(kLeft).description, "left border 3");
    EXPECT_EQ(seen({5, 4}).description, "bottom border 4");
    EXPECT_EQ(seen({1, 5}).description, "right border 1");
    EXPECT_EQ(seen(kLeft).text, QString::number(m_board.borderNumber(kLeft)));
}

TEST_F(BoardLook, EachShotResultShowsItsLetterOnItsColourInsteadOfTheNumber)
{
    m_board = Board(4, true);
    at(kTop).shot = ShotMark::Hit;
    at(kLeft).shot = ShotMark::Reflection;
    at({5, 1}).shot = ShotMark::Deflection;
    at({5, 1}).letter = kFirstDeflectionLetter;
    at({5, 1}).partner = {2, 5};
    EXPECT_EQ(seen(kTop), (Seen{"H", kRed, SegmentKind::None, "top border 2, hit"}));
    EXPECT_EQ(seen(kLeft), (Seen{"R", kYellow, SegmentKind::None, "left border 3, reflection"}));
    EXPECT_EQ(seen({5, 1}), (Seen{"a", kLime, SegmentKind::None, "bottom border 1, deflection a, comes out at right 2"}));
}

// Past "~" the letters leave ASCII; read as Latin-1 bytes they would show as two odd glyphs.
TEST_F(BoardLook, LateDeflectionLettersStayOneVisibleCharacter)
{
    at(kTop).shot = ShotMark::Deflection;
    for (const std::int16_t code : {std::int16_t{127}, std::int16_t{300}, kLastDeflectionLetter}) {
        at(kTop).letter = code;
        const QString text = seen(kTop).text;
        ASSERT_EQ(text.size(), 1) << code;
        EXPECT_TRUE(text[0].isLetter()) << code;
    }
}

TEST_F(BoardLook, FieldCellsSayWhereTheyAreAndWhetherTheyAreMarkedCrossedOrAnAtom)
{
    const QColor field = toolTipColour();
    EXPECT_EQ(seen(kField), (Seen{"", field, SegmentKind::None, "row 2, column 3"}));
    at(kField).marked = true;
    EXPECT_EQ(seen(kField), (Seen{"O", field, SegmentKind::None, "row 2, column 3, marked"}));
    at(kField).trace = SegmentKind::CrossBar;
    EXPECT_EQ(seen(kField), (Seen{"O", field, SegmentKind::CrossBar, "row 2, column 3, marked, laser path"}));
    at(kField).marked = false;
    EXPECT_EQ(seen(kField), (Seen{"", field, SegmentKind::CrossBar, "row 2, column 3, laser path"}));
    at(kField).trace = SegmentKind::None;
    at(kField).atomRevealed = true;
    EXPECT_EQ(seen(kField), (Seen{"", kBlue, SegmentKind::None, "row 2, column 3, atom"}));
    at(kField).marked = true;
    EXPECT_EQ(seen(kField), (Seen{"O", kBlue, SegmentKind::None, "row 2, column 3, atom, marked"}));
}

TEST_F(BoardLook, LooksOfGivesEveryCellRowByRowAllCentred)
{
    at(kTop).shot = ShotMark::Hit;
    at(kField).marked = true;
    const std::vector<CellLook> looks = looksOf(m_board);
    ASSERT_EQ(looks.size(), 36u);
    for (std::int16_t row = 0; row < 6; ++row) {
        for (std::int16_t column = 0; column < 6; ++column) {
            const CellLook& look = looks[static_cast<std::size_t>(row * 6 + column)];
            EXPECT_EQ(look, lookOf(m_board, {row, column})) << row << "," << column;
            EXPECT_TRUE(look.centred);
        }
    }
}

TEST_F(BoardLook, ACellOffTheBoardHasNoLook)
{
    EXPECT_EQ(lookOf(m_board, {6, 1}), CellLook{});
    EXPECT_EQ(lookOf(m_board, {-1, 0}), CellLook{});
    EXPECT_TRUE(looksOf(Board{}).empty());
}

} // namespace
} // namespace orbalux
