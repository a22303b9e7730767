#include "DeflectionLetter.h"
#include "MainWindowFixture.h"
#include "Shot.h"

#include <QLabel>

#include <set>

namespace orbalux {
namespace {

// One atom in the top left corner of a 4 by 4 field: rows 3 and 4 and columns 3 and 4 are
// clear lanes, so a shot into any of them comes out straight across as a deflection.
const std::vector<std::string> kCornerAtom{"X...", "....", "....", "...."};
const CellPos kLanes[] = {{3, 0}, {4, 0}, {0, 3}, {0, 4}};

class Limits : public testing::MainWindowFixture {
protected:
    void shoot(CellPos entry) { window.msfGrid_Click(entry.row, entry.column); }

    // Every border text must be something a player can read: nothing, a number, H, R or one glyph.
    void expectReadableBorder() const
    {
        for (std::int16_t i = 1; i <= 4; ++i) {
            for (CellPos pos : {CellPos{0, i}, CellPos{5, i}, CellPos{i, 0}, CellPos{i, 5}}) {
                const QString text = QString::fromStdString(state.board.cell(pos).text);
                ASSERT_TRUE(text.isEmpty() || (text.size() == 1 && text[0].isPrint() && !text[0].isSpace()))
                    << pos.row << "," << pos.column << " shows \"" << text.toStdString() << "\"";
            }
        }
    }

    // The letter a deflection wrote, which is also on the lane's far side.
    std::string letterOf(CellPos entry) const { return state.board.cell(entry).text; }

    bool fits(const QLabel* label) const
    {
        return label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width();
    }
};

TEST_F(Limits, TwoHundredDeflectionsEachGetALetterOfTheirOwn)
{
    newBoard(4, kCornerAtom);
    std::set<std::string> letters;
    for (int shot = 0; shot < 200; ++shot) {
        shoot(kLanes[shot % 4]);
        letters.insert(letterOf(kLanes[shot % 4]));
        ASSERT_NO_FATAL_FAILURE(expectReadableBorder()) << "after deflection " << shot + 1;
    }
    EXPECT_EQ(letters.size(), 200u);
    EXPECT_EQ(cell(3, 5).text, letterOf({3, 0}));
    EXPECT_EQ(window.lblScore()->text(), "400");
    EXPECT_EQ(window.lblResults()->text().toStdString(),
        "\"" + letterOf({0, 4}) + "\" means your laser went in one place and out another.");
    EXPECT_FALSE(window.msfGrid()->grab().isNull());
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(Limits, DeflectionsPastTheLastLetterKeepTheLastLetter)
{
    newBoard(4, kCornerAtom);
    const int beyond = kLastDeflectionLetter - kFirstDeflectionLetter + 50;
    for (int shot = 0; shot < beyond; ++shot)
        shoot(kLanes[shot % 4]);
    ASSERT_NO_FATAL_FAILURE(expectReadableBorder());
    const std::string last = DeflectionLetter(kLastDeflectionLetter);
    for (const CellPos lane : kLanes)
        EXPECT_EQ(letterOf(lane), last);
    EXPECT_EQ(state.NextDeflectionLetter, kLastDeflectionLetter);
    EXPECT_EQ(window.lblScore()->text(), QString::number(2 * beyond));
}

TEST_F(Limits, ScoreStopsAtItsCeilingAndTheLabelShowsIt)
{
    newBoard(4, kCornerAtom);
    for (int shot = 0; shot < kScoreCeiling / 2 + 10; ++shot)
        shoot(kLanes[shot % 4]);
    shoot({0, 1});
    EXPECT_EQ(cell(0, 1).text, "H");
    EXPECT_EQ(state.Score, kScoreCeiling);
    EXPECT_EQ(window.lblScore()->text(), "9999");
    EXPECT_TRUE(fits(window.lblScore())) << "the score label cuts \"9999\" short";

    window.msfGrid_Click(1, 1);
    window.cmdSolved_Click();
    EXPECT_TRUE(window.lblResults()->text().startsWith("Groovy! You found all  1 atoms in 0 seconds!"));
    EXPECT_EQ(window.lblBestScore()->text(), "99");
}

TEST_F(Limits, AGameAcrossMidnightCountsOnIntoTheNextDay)
{
    clock.now = 86390.5f;
    newBoard(4, kCornerAtom);
    shoot({0, 1});
    clock.now = 14.0f;
    window.msfGrid_Click(1, 1);
    window.cmdSolved_Click();
    EXPECT_EQ(window.lblResults()->text(),
        "Groovy! You found all  1 atoms in 23 seconds!  Click New Game to go again...");
    EXPECT_EQ(window.lblBestScore()->text(), "1");
}

TEST_F(Limits, AGameOfNearlyADayReportsEverySecondOfIt)
{
    clock.now = 100.0f;
    newBoard(4, kCornerAtom);
    clock.now = 99.0f;
    window.msfGrid_Click(1, 1);
    window.cmdSolved_Click();
    EXPECT_EQ(window.lblResults()->text(),
        "Groovy! You found all  1 atoms in 86399 seconds!  Click New Game to go again...");
}

} // namespace
} // namespace orbalux
