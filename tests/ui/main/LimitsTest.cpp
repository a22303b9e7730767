#include "common/PlayerWords.h"
#include "game/DeflectionLetter.h"
#include "MainWindowFixture.h"

#include <QLabel>

namespace orbalux {
namespace {

// One atom in the top left corner of a 4 by 4 field: rows 3 and 4 and columns 3 and 4 are
// clear lanes, so a shot into any of them comes out straight across as a deflection.
const std::vector<std::string> kCornerAtom{"X...", "....", "....", "...."};
const std::pair<int, int> kLanes[] = {{3, 0}, {4, 0}, {0, 3}, {0, 4}};

// How long games look in the window: the game's own limits are the engine's to test.
class Limits : public testing::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        play.newGame(kCornerAtom);
    }

    // Reported by the board rather than clicked: thousands of shots need no mouse.
    void deflect(int shot) const { play.reportClick(kLanes[shot % 4].first, kLanes[shot % 4].second); }

    // Every border text must be something a player can read: nothing, a number, H, R or one glyph.
    void expectReadableBorder() const
    {
        for (int i = 1; i <= 4; ++i) {
            for (const auto& [row, column] : {std::pair{0, i}, {5, i}, {i, 0}, {i, 5}}) {
                const QString text = play.text(row, column);
                ASSERT_TRUE(text.isEmpty() || (text.size() == 1 && text[0].isPrint() && !text[0].isSpace()))
                    << row << "," << column << " shows \"" << text.toStdString() << "\"";
            }
        }
    }
};

TEST_F(Limits, EveryLetterUpToTheLastAndPastItIsOneVisibleCharacter)
{
    const int beyond = kLastDeflectionLetter - kFirstDeflectionLetter + 20;
    for (int shot = 0; shot < beyond; ++shot) {
        deflect(shot);
        ASSERT_NO_FATAL_FAILURE(expectReadableBorder()) << "after deflection " << shot + 1;
    }
    const QString entry = play.text(kLanes[(beyond - 1) % 4].first, kLanes[(beyond - 1) % 4].second);
    EXPECT_EQ(play.label("lblResults"), PlayerWords::explanation(Outcome::Deflection, entry.toStdString()));
    play.grid().grab(); // paints every letter; the sanitizer build catches a bad glyph lookup
    EXPECT_TRUE(messenger.shown.empty());
}

TEST_F(Limits, TheScoreLabelShowsTheHighestScoreInFull)
{
    for (int shot = 0; shot < kScoreCeiling / 2 + 1; ++shot)
        deflect(shot);
    EXPECT_EQ(play.label("lblScore"), "9999");
    const auto* score = play.child<QLabel>("lblScore");
    EXPECT_LE(score->fontMetrics().horizontalAdvance(score->text()), score->contentsRect().width())
        << "the score label cuts \"9999\" short";
}

} // namespace
} // namespace orbalux
