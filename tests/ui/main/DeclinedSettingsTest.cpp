#include "common/PlayerWords.h"
#include "MainWindowFixture.h"

#include <QScrollBar>

#include <map>

namespace orbalux {
namespace {

// A new size or atom count confirmed with OK but declined at the question leaves the game on
// the board it was laid out for; these games must play out on that board alone.
class DeclinedSettingsTest : public testing::MainWindowFixture {
protected:
    void changeSettingsAndDecline(int gridSize, int atoms)
    {
        messenger.asked.clear();
        messenger.answers = {false};
        play.visitSettings([gridSize, atoms](frmOptions& dialog) {
            dialog.findChild<QScrollBar*>("hsGrid")->setValue(gridSize);
            dialog.findChild<QScrollBar*>("hsAtoms")->setValue(atoms);
            dialog.findChild<QPushButton*>("cmdOK")->click();
        });
        ASSERT_EQ(messenger.asked.size(), 1u);
    }

    // Fires from every border cell of the board on screen: each must show an outcome, and the
    // letters must pair the cells up, as they would not if the walk ran on another size.
    void fireEverywhere()
    {
        const int edge = play.grid().rows() - 1;
        for (int i = 1; i < edge; ++i) {
            for (const auto& [row, column] : {std::pair{0, i}, {edge, i}, {i, 0}, {i, edge}})
                play.click(row, column);
        }
        std::map<QString, int> cellsPerLetter;
        for (int i = 1; i < edge; ++i) {
            for (const auto& [row, column] : {std::pair{0, i}, {edge, i}, {i, 0}, {i, edge}}) {
                const QString text = play.text(row, column);
                ASSERT_FALSE(text.isEmpty()) << "no outcome at " << row << "," << column;
                if (text != "H" && text != "R")
                    ++cellsPerLetter[text];
            }
        }
        for (const auto& [letter, cells] : cellsPerLetter)
            EXPECT_EQ(cells, 2) << letter.toStdString();
        EXPECT_TRUE(messenger.shown.empty());
    }

    // The clock stands still, so every game takes no time at all.
    static std::string solved(SolveResult::Kind kind, int atoms, int found)
    {
        return PlayerWords::solved({kind, atoms, found, 0}).toStdString();
    }

    void mark(const std::vector<std::pair<int, int>>& cells)
    {
        for (const auto& [row, column] : cells)
            play.click(row, column);
    }
};

const std::vector<std::string> kFifteen{
    "X..............", "...............", ".....X.........", "...............", "..........X....",
    "...............", "...............", ".......X.......", "...............", "...............",
    "X..............", "...............", "...............", "...............", "..............X"};

TEST_F(DeclinedSettingsTest, FifteenDownToFourPlaysOnTheFifteenBoard)
{
    play.newGame(kFifteen, false, true);
    changeSettingsAndDecline(4, 1);
    EXPECT_EQ(play.grid().rows(), 17);
    EXPECT_EQ(play.label("lblAtomsInGame"), "6");
    fireEverywhere();
    play.click(16, 16);
    EXPECT_EQ(messenger.shown.back(), PlayerWords::refusal(Refusal::Kind::Corner).toStdString());

    mark({{1, 1}, {3, 6}, {5, 11}, {8, 8}, {11, 1}});
    play.press("cmdSolved");
    EXPECT_EQ(messenger.shown.back(), solved(SolveResult::Kind::WrongMarkCount, 6, 0));
    mark({{15, 15}});
    play.press("cmdSolved");
    EXPECT_EQ(play.label("lblResults").toStdString(), solved(SolveResult::Kind::AllFound, 6, 6));
    EXPECT_EQ(shownColour(15, 15), QColor(Qt::blue));

    play.press("cmdNewGame");
    EXPECT_EQ(play.grid().rows(), 6);
    EXPECT_EQ(play.label("lblAtomsInGame"), "1");
}

TEST_F(DeclinedSettingsTest, FourUpToFifteenNeverReachesPastTheFourBoard)
{
    play.newGame({".X..", "....", "....", "...X"});
    changeSettingsAndDecline(15, 15);
    fireEverywhere();
    const std::vector<CellLook> before = board();
    const QString score = play.label("lblScore");
    for (const auto& [row, column] : {std::pair{16, 3}, {6, 6}, {3, 15}, {5, 16}})
        play.reportClick(row, column);
    EXPECT_EQ(board(), before);
    EXPECT_EQ(play.label("lblScore"), score);
    EXPECT_TRUE(messenger.shown.empty());

    mark({{1, 2}});
    play.press("cmdSolved");
    EXPECT_EQ(messenger.shown.back(), solved(SolveResult::Kind::WrongMarkCount, 2, 0));
    mark({{4, 4}});
    play.press("cmdSolved");
    EXPECT_EQ(play.label("lblResults").toStdString(), solved(SolveResult::Kind::AllFound, 2, 2));
    EXPECT_EQ(shownColour(4, 4), QColor(Qt::blue));

    play.press("cmdNewGame");
    EXPECT_EQ(play.grid().rows(), 17);
    EXPECT_EQ(play.label("lblAtomsInGame"), "15");
}

TEST_F(DeclinedSettingsTest, AnsweringYesStartsTheNewSizeAtOnceWithOneQuestion)
{
    messenger.answers = {true};
    play.visitSettings([](frmOptions& dialog) {
        dialog.findChild<QScrollBar*>("hsGrid")->setValue(5);
        dialog.findChild<QPushButton*>("cmdOK")->click();
    });
    EXPECT_EQ(messenger.asked.size(), 1u);
    EXPECT_EQ(play.grid().rows(), 7);
    EXPECT_EQ(play.label("lblScore"), "0");
    EXPECT_EQ(play.grid().size(), play.grid().sizeHint());
}

} // namespace
} // namespace orbalux
