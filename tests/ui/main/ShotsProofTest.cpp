#include "BruteForceProof.h"
#include "common/PlayerWords.h"
#include "deduce/StepBudget.h"
#include "grid/Announcer.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <memory>

namespace orbalux {
namespace {

using testing::bruteForceProof;

// Two atoms on a 4 by 4 field; the shots below pin down some cells long before all.
const std::vector<std::string> kTwoAtoms{"X...", "....", "..X.", "...."};
const std::vector<CellPos> kShots{{0, 2}, {2, 0}, {5, 3}, {3, 5}, {0, 4}, {4, 0}, {5, 1}, {1, 5}};

// Long enough for any answer here; waiting is no timing, the test fails only if it never comes.
constexpr int kPatience = 20000;

// Proven everywhere as an atom: what no real proof of these games shows, so it cannot slip by.
FieldProof bogusProof()
{
    FieldProof proof;
    for (std::int16_t row = 1; row <= 4; ++row) {
        for (std::int16_t column = 1; column <= 4; ++column)
            proof.provenAtoms.place({row, column});
    }
    proof.complete = true;
    return proof;
}

class ShotsProof : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window->startedUp()); }

    // The window asks its proof of this, which stays exact unless a test stands in a slower one.
    FieldQuestions questions()
    {
        FieldQuestions asked;
        asked.prove = [this](const Game& game, SearchBudget& budget) {
            ++proofsAsked;
            return fake ? fake(game, budget) : bruteForceProof(game, budget);
        };
        return asked;
    }

    QAction& item(const char* name) const { return *play.child<QAction>(name); }
    void tick(bool on) const { item("mnShowProof").setChecked(on); }

    // What the board shows proven, and what the game replayed beside it proves.
    std::vector<Proven> shownProof() const
    {
        std::vector<Proven> shown;
        for (int row = 1; row <= 4; ++row) {
            for (int column = 1; column <= 4; ++column)
                shown.push_back(play.cell(row, column).proven);
        }
        return shown;
    }
    std::vector<Proven> expectedProof() const
    {
        StepBudget unlimited(1'000'000'000);
        const FieldProof proof = bruteForceProof(replay, unlimited);
        std::vector<Proven> expected;
        for (std::int16_t row = 1; row <= 4; ++row) {
            for (std::int16_t column = 1; column <= 4; ++column) {
                expected.push_back(proof.provenAtoms.hasAtom(row, column) ? Proven::Atom
                        : proof.provenEmpty.hasAtom(row, column)          ? Proven::Empty
                                                                          : Proven::No);
            }
        }
        return expected;
    }
    bool showsExpectedProof() const { return QTest::qWaitFor([this] { return shownProof() == expectedProof(); }, kPatience); }

    void startGame()
    {
        play.newGame(kTwoAtoms);
        replay = testing::gameWith(kTwoAtoms);
    }
    ClickResult shoot(CellPos pos)
    {
        play.click(pos.row, pos.column);
        return replay.click(pos, false);
    }
    const Announcer& announcer() const { return *window->findChild<Announcer*>(); }

    std::function<FieldProof(const Game&, SearchBudget&)> fake;
    std::atomic<int> proofsAsked{0};
    Game replay;
    testing::ScriptedMessenger messenger;
    testing::SequenceRandom random;
    testing::FixedClock clock{1000.0f};
    testing::FakePlatform platform;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>(
        MainWindowServices{messenger, random, clock, platform.services(), testing::assetFolders(), questions()});
    testing::MainWindowDriver play{*window, messenger, random};
};

TEST_F(ShotsProof, TheTwoItemsFollowASeparatorUnderTheThreeThatExistUntickedAndDisabled)
{
    QMenu* deduce = nullptr;
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (menu->title() == QStringLiteral("&Deduce"))
            deduce = menu;
    }
    ASSERT_TRUE(deduce);
    const QList<QAction*> items = deduce->actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[2]->objectName(), "mnDecidableOnly");
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4], &item("mnShowProof"));
    EXPECT_EQ(items[4]->text(), PlayerWords::showProofItem());
    EXPECT_TRUE(items[4]->isCheckable());
    EXPECT_FALSE(items[4]->isChecked());
    EXPECT_EQ(items[5], &item("mnReview"));
    EXPECT_EQ(items[5]->text(), PlayerWords::reviewItem());
    EXPECT_FALSE(items[5]->isEnabled());
}

TEST_F(ShotsProof, TickedTheBoardShowsWhatEveryShotProvesAndNothingElse)
{
    startGame();
    shoot(kShots[0]);
    EXPECT_EQ(proofsAsked, 0);
    EXPECT_EQ(shownProof(), std::vector<Proven>(16, Proven::No));
    tick(true);
    EXPECT_TRUE(showsExpectedProof());
    for (const CellPos pos : kShots) {
        shoot(pos);
        EXPECT_TRUE(showsExpectedProof()) << "after " << pos.row << "," << pos.column;
    }
    const std::vector<Proven> last = shownProof();
    EXPECT_GT(std::count(last.begin(), last.end(), Proven::Empty), 0);
    EXPECT_GT(std::count(last.begin(), last.end(), Proven::Atom), 0);
    // Only the proven cells differ from the board as drawn without the item.
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 4; ++column) {
            CellLook plain = play.cell(row, column);
            const CellLook withProof = plain;
            plain.proven = Proven::No;
            plain.description = PlayerWords::cellDescription(replay.board(), {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column)});
            const QString ending = withProof.proven == Proven::Atom ? PlayerWords::provenAtom()
                : withProof.proven == Proven::Empty                 ? PlayerWords::provenEmpty()
                                                                    : QString();
            EXPECT_EQ(withProof.description, plain.description + ending);
        }
    }
}

TEST_F(ShotsProof, AShotIsAnnouncedOnceItsProofIsReadyWithHowManyCellsItProves)
{
    startGame();
    tick(true);
    ASSERT_TRUE(showsExpectedProof());
    const ShotResult shot = std::get<ShotResult>(shoot(kShots[1]));
    ASSERT_TRUE(showsExpectedProof());
    StepBudget unlimited(1'000'000'000);
    const FieldProof proof = bruteForceProof(replay, unlimited);
    const QString expected = PlayerWords::proofAnnouncement(PlayerWords::shotAnnouncement(replay.board(), shot, replay.Score()),
        proof.provenAtoms.count(), proof.provenEmpty.count());
    EXPECT_TRUE(QTest::qWaitFor([&] { return announcer().text() == expected; }, kPatience)) << announcer().text().toStdString();
}

TEST_F(ShotsProof, MarksNeitherAskForAProofNorChangeOne)
{
    startGame();
    tick(true);
    shoot(kShots[0]);
    ASSERT_TRUE(showsExpectedProof());
    QCoreApplication::processEvents();
    const int asked = proofsAsked;
    play.click(1, 1);
    play.click(2, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(proofsAsked, asked);
    EXPECT_EQ(play.text(1, 1), "O");
    EXPECT_EQ(shownProof(), expectedProof());
}

TEST_F(ShotsProof, UntickingOrEndingTheGameClearsTheProofAndANewGameAsksAgain)
{
    startGame();
    for (const CellPos pos : kShots)
        shoot(pos);
    tick(true);
    ASSERT_TRUE(showsExpectedProof());
    tick(false);
    EXPECT_EQ(shownProof(), std::vector<Proven>(16, Proven::No));
    tick(true);
    ASSERT_TRUE(showsExpectedProof());
    play.click(1, 1);
    play.click(3, 3);
    play.press("cmdSolved");
    EXPECT_EQ(shownProof(), std::vector<Proven>(16, Proven::No));
    QCoreApplication::processEvents();
    EXPECT_EQ(shownProof(), std::vector<Proven>(16, Proven::No));
    const int asked = proofsAsked;
    startGame();
    EXPECT_TRUE(QTest::qWaitFor([&] { return proofsAsked > asked; }, kPatience));
    EXPECT_TRUE(showsExpectedProof());
}

// The slow proof holds the worker until it is cancelled; meanwhile the board answers at once.
TEST_F(ShotsProof, ANewerShotCancelsTheProofInProgressWhileTheBoardKeepsAnswering)
{
    std::promise<void> started;
    std::atomic<bool> cancelled{false};
    std::atomic<int> calls{0};
    fake = [&](const Game& game, SearchBudget& budget) {
        if (calls++ > 0)
            return bruteForceProof(game, budget);
        started.set_value();
        while (budget.allowsStep()) {
        }
        cancelled = true;
        return bogusProof();
    };
    startGame();
    tick(true);
    started.get_future().wait();
    play.click(2, 2);
    EXPECT_EQ(play.text(2, 2), "O");
    shoot(kShots[0]);
    EXPECT_FALSE(play.text(kShots[0].row, kShots[0].column).isEmpty());
    EXPECT_TRUE(showsExpectedProof());
    EXPECT_TRUE(cancelled);
    window.reset();
}

// An answer that comes back after a newer shot was fired speaks of a board that is gone.
TEST_F(ShotsProof, AnAnswerOvertakenByANewerShotIsDropped)
{
    std::promise<void> firstStarted;
    std::promise<void> releaseFirst;
    std::promise<void> secondStarted;
    std::promise<void> releaseSecond;
    std::atomic<int> calls{0};
    fake = [&](const Game& game, SearchBudget&) {
        const int call = calls++;
        if (call == 0) {
            firstStarted.set_value();
            releaseFirst.get_future().wait();
            return bogusProof();
        }
        if (call == 1) {
            secondStarted.set_value();
            releaseSecond.get_future().wait();
        }
        StepBudget unlimited(1'000'000'000);
        return bruteForceProof(game, unlimited);
    };
    startGame();
    tick(true);
    firstStarted.get_future().wait();
    shoot(kShots[0]);
    releaseFirst.set_value();
    secondStarted.get_future().wait();
    QTest::qWait(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(shownProof(), std::vector<Proven>(16, Proven::No));
    releaseSecond.set_value();
    EXPECT_TRUE(showsExpectedProof());
    window.reset();
}

TEST_F(ShotsProof, ClosingTheWindowMidProofLeavesNoJobRunning)
{
    std::promise<void> started;
    std::atomic<bool> finished{false};
    fake = [&](const Game&, SearchBudget& budget) {
        started.set_value();
        while (budget.allowsStep()) {
        }
        finished = true;
        return FieldProof{};
    };
    startGame();
    tick(true);
    started.get_future().wait();
    window.reset();
    EXPECT_TRUE(finished);
}

} // namespace
} // namespace orbalux
