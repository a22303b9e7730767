#include "common/PlayerWords.h"
#include "game/DeflectionLetter.h"
#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <variant>

namespace orbalux {
namespace {

CellPos at(int row, int column)
{
    return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)};
}

TEST(LineUnderTheButtons, ANewGameNamesWhatToClickOnItsBoard)
{
    EXPECT_EQ(PlayerWords::instructions(false),
        "Click a light blue square on the edge of the field, or place/remove atoms on the field. "
        "Click Solved! when you think you have placed the atom correctly.");
    EXPECT_EQ(PlayerWords::instructions(true),
        "Click a number on the edge of the field, or place/remove atoms on the field. "
        "Click Solved! when you think you have placed the atom correctly.");
}

TEST(LineUnderTheButtons, AShotExplainsTheMarkItLeftWithTheLetterQuoted)
{
    EXPECT_EQ(PlayerWords::explanation(Outcome::Hit, ""), "H means your laser Hit an atom.");
    EXPECT_EQ(PlayerWords::explanation(Outcome::Reflection, ""),
        "R means either your laser was unable to go in because of an adjacent atom or it came out the same place "
        "it went in.");
    EXPECT_EQ(PlayerWords::explanation(Outcome::Deflection, "a"), "\"a\" means your laser went in one place and out another.");
    EXPECT_EQ(PlayerWords::explanation(Outcome::Deflection, "\xC3\x9F"),
        QString::fromUtf8("\"\xC3\x9F\" means your laser went in one place and out another."));
}

TEST(LineUnderTheButtons, SolvedPadsEachNumberWithABlankOfItsOwn)
{
    EXPECT_EQ(PlayerWords::solved({SolveResult::Kind::AllFound, 5, 5, 37}),
        "Groovy! You found all  5 atoms in 37 seconds!  Click New Game to go again...");
    EXPECT_EQ(PlayerWords::solved({SolveResult::Kind::AllFound, 12, 12, 0}),
        "Groovy! You found all  12 atoms in 0 seconds!  Click New Game to go again...");
    EXPECT_EQ(PlayerWords::solved({SolveResult::Kind::NotAllFound, 5, 2, 0}),
        "Rats! You only found  2 of the atoms!  Click New Game to go again...");
}

TEST(Messages, RefusalsWrongMarkCountsAndBadDrawsEachHaveTheirSentence)
{
    EXPECT_EQ(PlayerWords::refusal(Refusal::Kind::NoGame),
        "Cheating Zindra? You can't make any changes until you start a new game.");
    EXPECT_EQ(PlayerWords::refusal(Refusal::Kind::Corner), "Don't select corner cells, silly!");
    EXPECT_EQ(PlayerWords::solved({SolveResult::Kind::WrongMarkCount, 5, 0, 0}),
        "You do not have exactly  5 atoms marked.");
    EXPECT_EQ(PlayerWords::badDraw(BadDraw::Row), "Bad #1");
    EXPECT_EQ(PlayerWords::badDraw(BadDraw::Column), "Bad #2");
}

TEST(Messages, TheWindowsOwnMessagesKeepTheirSpellingAndDoubleBlanks)
{
    EXPECT_EQ(PlayerWords::newGameQuestion(), "You are already in a game.  Do you want to start a new game?");
    EXPECT_EQ(PlayerWords::boardTooLarge(),
        "You have choosen a grid size larger than what can fit on your screen.  Try using a smaller grid.");
    EXPECT_EQ(PlayerWords::startUpError(481, QStringLiteral("Invalid picture")),
        "Error Number: 481 occured.  Invalid picture");
    EXPECT_EQ(PlayerWords::instructionsHint(),
        "Open the file 'Instruct.doc' for detailed information about using this product.");
    EXPECT_EQ(PlayerWords::sysInfoUnavailable(), "System Information Is Unavailable At This Time");
}

TEST(DeduceAnswers, ShotsEnoughTellsWhetherTheShotsDecideTheFieldCountingAtomsInWords)
{
    EXPECT_EQ(PlayerWords::shotsEnough(Verdict::Unique, 1),
        "Your shots decide the field: only one way of hiding 1 atom fits them all.");
    EXPECT_EQ(PlayerWords::shotsEnough(Verdict::Several, 5),
        "Your shots do not decide the field yet: more than one way of hiding 5 atoms fits them all.");
    for (const Verdict gaveUp : {Verdict::Unknown, Verdict::NoLayout, Verdict::Invalid})
        EXPECT_EQ(PlayerWords::shotsEnough(gaveUp, 5),
            "Orbalux could not work out in time whether your shots decide the field.");
}

TEST(DeduceAnswers, CheckMarksNamesEachDisagreeingShotByBorderNumber)
{
    const std::vector<MarkDisagreement> two{
        {1, {at(0, 1), Outcome::Hit, at(0, 1)}, {at(0, 1), Outcome::Deflection, at(5, 1)}},
        {7, {at(3, 5), Outcome::Deflection, at(3, 0)}, {at(3, 5), Outcome::Reflection, at(3, 5)}},
        {0, {at(0, 0), Outcome::Hit, at(0, 0)}, {at(0, 0), Outcome::None, at(0, 0)}}};
    EXPECT_EQ(PlayerWords::marksCheck(two, 4, 1, 1),
        "Your marks disagree with 3 of your shots.\n"
        "Border cell 1: your marks give a deflection out at 12, the board shows a hit.\n"
        "Border cell 7: your marks give a reflection, the board shows a deflection out at 14.\n"
        "Border cell 0: your marks give no shot, the board shows a hit.");
    EXPECT_EQ(PlayerWords::marksCheck({}, 4, 2, 2), "Your marks agree with every shot on the board.");
}

// Different numbers of marks and atoms on every line, so a swap shows.
TEST(DeduceAnswers, CheckMarksEndsWithTheMarksAndAtomsWhenTheyDiffer)
{
    EXPECT_EQ(PlayerWords::marksCheck({}, 4, 0, 1),
        "Your marks agree with every shot on the board.\nYou have 0 marks for 1 atom.");
    EXPECT_EQ(PlayerWords::marksCheck({}, 4, 1, 5),
        "Your marks agree with every shot on the board.\nYou have 1 mark for 5 atoms.");
    const std::vector<MarkDisagreement> one{
        {2, {at(0, 2), Outcome::Reflection, at(0, 2)}, {at(0, 2), Outcome::Hit, at(0, 2)}}};
    EXPECT_EQ(PlayerWords::marksCheck(one, 4, 3, 2),
        "Your marks disagree with 1 of your shots.\n"
        "Border cell 2: your marks give a hit, the board shows a reflection.\n"
        "You have 3 marks for 2 atoms.");
}

TEST(DeduceAnswers, CheckMarksListsAtMostTenDisagreeingShots)
{
    const std::vector<MarkDisagreement> many(12,
        MarkDisagreement{3, {at(0, 3), Outcome::Hit, at(0, 3)}, {at(0, 3), Outcome::Reflection, at(0, 3)}});
    const QString text = PlayerWords::marksCheck(many, 4, 1, 1);
    EXPECT_TRUE(text.startsWith("Your marks disagree with 12 of your shots.\n"));
    EXPECT_EQ(text.count(QLatin1Char('\n')), 10);
}

// One atom at (1,2) of a 4 by 4 field: top 2 hits, top 1 reflects, row 4 runs straight across.
class Announcements : public ::testing::Test {
protected:
    QString click(int row, int column)
    {
        const ClickResult result = m_game.click(at(row, column), false);
        if (const auto* shot = std::get_if<ShotResult>(&result))
            return PlayerWords::shotAnnouncement(m_game.board(), *shot, m_game.Score());
        if (const auto* mark = std::get_if<MarkResult>(&result))
            return PlayerWords::markAnnouncement(m_game.board(), *mark, m_game.AtomCount());
        return {};
    }

    Game m_game = testing::gameWith({".X..", "....", "....", "...."});
};

TEST_F(Announcements, AShotTellsItsOutcomeWhereItWentInAndOutAndTheScore)
{
    EXPECT_EQ(click(0, 2), "Hit: in at top 2. Score 1.");
    EXPECT_EQ(click(0, 1), "Reflection: in at top 1. Score 2.");
    EXPECT_EQ(click(4, 0), "Deflection a: in at left 4, out at right 4. Score 4.");
    EXPECT_EQ(click(4, 5), "Deflection b: in at right 4, out at left 4. Score 6.");
}

TEST_F(Announcements, AMarkTellsTheCellAndHowManyAreMarked)
{
    EXPECT_EQ(click(2, 3), "Marked row 2, column 3. 1 of 1 marked.");
    EXPECT_EQ(click(3, 1), "Marked row 3, column 1. 2 of 1 marked.");
    EXPECT_EQ(click(2, 3), "Unmarked row 2, column 3. 1 of 1 marked.");
}

TEST_F(Announcements, AGameTellsItsResultLineWithoutPaddingAndItsCounters)
{
    EXPECT_EQ(PlayerWords::gameAnnouncement(PlayerWords::instructions(false), m_game, 99),
        "Click a light blue square on the edge of the field, or place/remove atoms on the field. Click "
        "Solved! when you think you have placed the atom correctly. Atoms in game 1, marked 0. Score 0, "
        "best score 99.");
    click(0, 2);
    click(1, 2);
    const QString results = PlayerWords::solved(m_game.SolveGame(12.0f));
    EXPECT_EQ(PlayerWords::gameAnnouncement(results, m_game, 1),
        "Groovy! You found all 1 atoms in 12 seconds! Click New Game to go again... Atoms in game 1, "
        "marked 1. Score 1, best score 1.");
}

class CellWords : public ::testing::Test {
protected:
    QString described(CellPos pos) const { return PlayerWords::cellDescription(m_board, pos); }
    Cell& at(CellPos pos) { return m_board.cell(pos); }

    Board m_board{4, false};
};

TEST_F(CellWords, PlacesCountBordersAlongTheirSideAndTheFieldByRowAndColumn)
{
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {0, 2}), "top 2");
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {5, 4}), "bottom 4");
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {3, 0}), "left 3");
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {1, 5}), "right 1");
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {2, 3}), "row 2, column 3");
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {5, 0}), "bottom left corner");
    EXPECT_EQ(PlayerWords::cellPlace(m_board, {6, 1}), "");
}

TEST_F(CellWords, CornersAreNamedByWhereTheyAre)
{
    EXPECT_EQ(described({0, 0}), "top left corner");
    EXPECT_EQ(described({0, 5}), "top right corner");
    EXPECT_EQ(described({5, 0}), "bottom left corner");
    EXPECT_EQ(described({5, 5}), "bottom right corner");
}

TEST_F(CellWords, BorderCellsSayTheirSideAndPlaceThenWhatTheShotShowed)
{
    EXPECT_EQ(described({0, 2}), "top border 2");
    EXPECT_EQ(described({1, 5}), "right border 1");
    at({0, 2}).shot = Outcome::Hit;
    at({3, 0}).shot = Outcome::Reflection;
    at({5, 1}).shot = Outcome::Deflection;
    at({5, 1}).letter = kFirstDeflectionLetter;
    at({5, 1}).partner = {2, 5};
    EXPECT_EQ(described({0, 2}), "top border 2, hit");
    EXPECT_EQ(described({3, 0}), "left border 3, reflection");
    EXPECT_EQ(described({5, 1}), "bottom border 1, deflection a, comes out at right 2");
}

TEST_F(CellWords, FieldCellsSayWhereTheyAreAndWhetherTheyAreAnAtomMarkedOrCrossed)
{
    const CellPos field{2, 3};
    EXPECT_EQ(described(field), "row 2, column 3");
    at(field).marked = true;
    at(field).trace = SegmentKind::CrossBar;
    EXPECT_EQ(described(field), "row 2, column 3, marked, laser path");
    at(field).marked = false;
    EXPECT_EQ(described(field), "row 2, column 3, laser path");
    at(field).trace = SegmentKind::None;
    at(field).atomRevealed = true;
    at(field).marked = true;
    EXPECT_EQ(described(field), "row 2, column 3, atom, marked");
    EXPECT_EQ(described({-1, 0}), "");
}

TEST_F(CellWords, ProvenCellsEndTheirDescriptionWithWhatIsProven)
{
    EXPECT_EQ(PlayerWords::provenAtom(), ", proven atom");
    EXPECT_EQ(PlayerWords::provenEmpty(), ", proven empty");
}

TEST_F(Announcements, AShotWithItsProofSaysHowManyAtomsAndEmptyCellsAreNowProven)
{
    const QString shot = click(0, 2);
    EXPECT_EQ(PlayerWords::proofAnnouncement(shot, 1, 3), "Hit: in at top 2. Score 1. Now proven: 1 atom and 3 empty cells.");
    EXPECT_EQ(PlayerWords::proofAnnouncement(shot, 0, 1), "Hit: in at top 2. Score 1. Now proven: 0 atoms and 1 empty cell.");
}

TEST(DeduceAnswers, TheProofAndReviewItemsAndTheReviewsTitle)
{
    EXPECT_EQ(PlayerWords::showProofItem(), "Show What My Shots &Prove");
    EXPECT_EQ(PlayerWords::reviewItem(), "&Review This Field...");
    EXPECT_EQ(PlayerWords::reviewTitle(), "Review This Field");
}

// The lines of a review on a 4 by 4 board, each kind of answer in turn.
class ReviewWords : public ::testing::Test {
protected:
    QString line(int index, int score = 4, int atoms = 2) const
    {
        return PlayerWords::review(m_review, m_board, score, atoms).split(QLatin1Char('\n')).value(index);
    }

    Board m_board{4, false};
    FieldReview m_review;
};

TEST_F(ReviewWords, TheFirstLineCountsShotsAndPointsInWords)
{
    m_review.shots = 3;
    EXPECT_EQ(line(0), "You fired 3 shots for 4 points.");
    m_review.shots = 1;
    EXPECT_EQ(line(0, 1), "You fired 1 shot for 1 point.");
    m_review.shots = 0;
    EXPECT_EQ(line(0, 0), "You fired 0 shots for 0 points.");
    EXPECT_EQ(PlayerWords::review(m_review, m_board, 0, 2).count(QLatin1Char('\n')), 3);
}

TEST_F(ReviewWords, TheSecondLineSaysWhenTheShotsDecidedTheField)
{
    m_review.decision = FieldReview::Decision::AtShot;
    m_review.decidingShot = 7;
    EXPECT_EQ(line(1), "Your shots decided the field with shot 7.");
    m_review.decision = FieldReview::Decision::BeforeFirstShot;
    EXPECT_EQ(line(1), "The field was decided before your first shot.");
    m_review.decision = FieldReview::Decision::Never;
    EXPECT_EQ(line(1), "Your shots did not decide the field: more than one way of hiding 2 atoms fits them all.");
    EXPECT_EQ(line(1, 4, 1), "Your shots did not decide the field: more than one way of hiding 1 atom fits them all.");
    m_review.decision = FieldReview::Decision::Unknown;
    EXPECT_EQ(line(1), "Orbalux could not work out in time when your shots decided the field.");
}

TEST_F(ReviewWords, TheThirdLineNamesTheShotsThatToldNothingNewInFiringOrder)
{
    m_review.informationKnown = true;
    m_review.toldNothingNew = {{4, 0}, {0, 3}, {4, 0}};
    EXPECT_EQ(line(2), "Shots that told you nothing new: left 4, top 3, left 4.");
    m_review.toldNothingNew = {{5, 1}, {2, 5}};
    EXPECT_EQ(line(2), "Shots that told you nothing new: bottom 1, right 2.");
    m_review.toldNothingNew.clear();
    EXPECT_EQ(line(2), "Every shot told you something new.");
    m_review.informationKnown = false;
    EXPECT_EQ(line(2), "Orbalux could not work out in time which of your shots told you something new.");
}

TEST_F(ReviewWords, TheFourthLineGivesTheFewestPointsThatDecideTheField)
{
    m_review.par = FieldReview::Par::Found;
    m_review.parPoints = 5;
    m_review.parEntries = {{0, 2}, {2, 5}, {3, 0}};
    EXPECT_EQ(line(3), "The fewest points that decide this field: 5, firing from top 2, right 2, left 3.");
    m_review.par = FieldReview::Par::BestSoFar;
    m_review.parEntries = {{0, 1}};
    m_review.parPoints = 1;
    EXPECT_EQ(line(3), "Orbalux could not work out in time the fewest points that decide this field; the fewest "
                       "found: 1, firing from top 1.");
    m_review.par = FieldReview::Par::Impossible;
    EXPECT_EQ(line(3), "No choice of shots decides this field: firing from every border cell leaves more than one way "
                       "of hiding 2 atoms.");
    EXPECT_EQ(line(3, 4, 1), "No choice of shots decides this field: firing from every border cell leaves more than one "
                             "way of hiding 1 atom.");
    m_review.par = FieldReview::Par::Unknown;
    EXPECT_EQ(line(3), "Orbalux could not work out in time the fewest points that decide this field.");
}

} // namespace
} // namespace orbalux
