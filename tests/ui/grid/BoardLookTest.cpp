#include "grid/BoardLook.h"

#include "common/PlayerWords.h"
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

// What the eye sees of one cell, for readable failures.
struct Seen {
    QString text;
    QColor background;
    SegmentKind picture = SegmentKind::None;

    friend bool operator==(const Seen&, const Seen&) = default;
    friend void PrintTo(const Seen& seen, std::ostream* out)
    {
        *out << '"' << seen.text.toStdString() << "\" on " << seen.background.name().toStdString() << " picture "
             << static_cast<int>(seen.picture);
    }
};

class BoardLook : public ::testing::Test {
protected:
    Seen seen(CellPos pos) const
    {
        const CellLook look = lookOf(m_board, pos);
        return {look.text, look.background, look.picture};
    }
    Cell& at(CellPos pos) { return m_board.cell(pos); }

    Board m_board{4, false};
};

TEST_F(BoardLook, CornersAreBlankSilver)
{
    for (const CellPos corner : {CellPos{0, 0}, CellPos{0, 5}, CellPos{5, 0}, CellPos{5, 5}})
        EXPECT_EQ(seen(corner), (Seen{"", kSilver, SegmentKind::None}));
}

TEST_F(BoardLook, UnshotBorderCellsAreAquaAndShowTheirNumberOnlyWhenTheBoardHasOne)
{
    EXPECT_EQ(seen(kTop), (Seen{"", kAqua, SegmentKind::None}));
    m_board = Board(4, true);
    EXPECT_EQ(seen(kTop), (Seen{QString::number(m_board.borderNumber(kTop)), kAqua, SegmentKind::None}));
    EXPECT_EQ(seen(kLeft).text, QString::number(m_board.borderNumber(kLeft)));
}

TEST_F(BoardLook, EachShotResultShowsItsLetterOnItsColourInsteadOfTheNumber)
{
    m_board = Board(4, true);
    at(kTop).shot = Outcome::Hit;
    at(kLeft).shot = Outcome::Reflection;
    at({5, 1}).shot = Outcome::Deflection;
    at({5, 1}).letter = kFirstDeflectionLetter;
    at({5, 1}).partner = {2, 5};
    EXPECT_EQ(seen(kTop), (Seen{"H", kRed, SegmentKind::None}));
    EXPECT_EQ(seen(kLeft), (Seen{"R", kYellow, SegmentKind::None}));
    EXPECT_EQ(seen({5, 1}), (Seen{"a", kLime, SegmentKind::None}));
}

// Past "~" the letters leave ASCII; read as Latin-1 bytes they would show as two odd glyphs.
TEST_F(BoardLook, LateDeflectionLettersStayOneVisibleCharacter)
{
    at(kTop).shot = Outcome::Deflection;
    for (const std::int16_t code : {std::int16_t{127}, std::int16_t{300}, kLastDeflectionLetter}) {
        at(kTop).letter = code;
        const QString text = seen(kTop).text;
        ASSERT_EQ(text.size(), 1) << code;
        EXPECT_TRUE(text[0].isLetter()) << code;
    }
}

TEST_F(BoardLook, FieldCellsShowMarksCrossingsAndAtoms)
{
    const QColor field = toolTipColour();
    EXPECT_EQ(seen(kField), (Seen{"", field, SegmentKind::None}));
    at(kField).marked = true;
    EXPECT_EQ(seen(kField), (Seen{"O", field, SegmentKind::None}));
    at(kField).trace = SegmentKind::CrossBar;
    EXPECT_EQ(seen(kField), (Seen{"O", field, SegmentKind::CrossBar}));
    at(kField).marked = false;
    EXPECT_EQ(seen(kField), (Seen{"", field, SegmentKind::CrossBar}));
    at(kField).trace = SegmentKind::None;
    at(kField).atomRevealed = true;
    EXPECT_EQ(seen(kField), (Seen{"", kBlue, SegmentKind::None}));
    at(kField).marked = true;
    EXPECT_EQ(seen(kField), (Seen{"O", kBlue, SegmentKind::None}));
}

TEST_F(BoardLook, LooksOfGivesEveryCellRowByRowAllCentredAndDescribed)
{
    at(kTop).shot = Outcome::Hit;
    at(kField).marked = true;
    const std::vector<CellLook> looks = looksOf(m_board);
    ASSERT_EQ(looks.size(), 36u);
    for (std::int16_t row = 0; row < 6; ++row) {
        for (std::int16_t column = 0; column < 6; ++column) {
            const CellLook& look = looks[static_cast<std::size_t>(row * 6 + column)];
            EXPECT_EQ(look, lookOf(m_board, {row, column})) << row << "," << column;
            EXPECT_TRUE(look.centred);
            EXPECT_EQ(look.description, PlayerWords::cellDescription(m_board, {row, column}));
        }
    }
}

TEST_F(BoardLook, ACellOffTheBoardHasNoLook)
{
    EXPECT_EQ(lookOf(m_board, {6, 1}), CellLook{});
    EXPECT_EQ(lookOf(m_board, {-1, 0}), CellLook{});
    EXPECT_TRUE(looksOf(Board{}).empty());
}

TEST_F(BoardLook, ProvenFieldCellsShowTheirKindAndSayItLastWhileEveryOtherCellStaysAsItWas)
{
    at(kField).marked = true;
    at(kTop).shot = Outcome::Hit;
    FieldProof proof;
    proof.provenAtoms.place({1, 1});
    proof.provenEmpty.place(kField);
    // Not field cells: a proof never labels them.
    proof.provenEmpty.place(kTop);
    proof.provenAtoms.place({5, 5});
    const std::vector<CellLook> plain = looksOf(m_board);
    const std::vector<CellLook> proven = looksOf(m_board, proof);
    ASSERT_EQ(proven.size(), plain.size());
    for (std::int16_t row = 0; row < 6; ++row) {
        for (std::int16_t column = 0; column < 6; ++column) {
            const auto index = static_cast<std::size_t>(row * 6 + column);
            CellLook expected = plain[index];
            if (CellPos{row, column} == CellPos{1, 1}) {
                expected.proven = Proven::Atom;
                expected.description += ", proven atom";
            } else if (CellPos{row, column} == kField) {
                expected.proven = Proven::Empty;
                expected.description += ", proven empty";
            }
            EXPECT_EQ(proven[index], expected) << row << "," << column;
        }
    }
    EXPECT_EQ(proven[static_cast<std::size_t>(kField.row * 6 + kField.column)].text, "O");
    EXPECT_EQ(looksOf(m_board, FieldProof{}), plain);
}

} // namespace
} // namespace orbalux
