#include "common/PlayerWords.h"
#include "main/ReviewDialog.h"
#include "MainWindowDriver.h"
#include "PlatformFakes.h"

#include <QAccessible>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>

namespace orbalux {
namespace {

// One atom at (1,2) of a 4 by 4 field: (0,2) is a hit, (0,1) a reflection, row 4 runs straight.
const std::vector<std::string> kOneAtom{".X..", "....", "....", "...."};

constexpr int kPatience = 20000;

// A review of every kind of line at once, as the engine might answer for kOneAtom.
FieldReview cannedReview()
{
    FieldReview review;
    review.shots = 3;
    review.decision = FieldReview::Decision::AtShot;
    review.decidingShot = 2;
    review.informationKnown = true;
    review.toldNothingNew = {{4, 0}, {0, 2}};
    review.par = FieldReview::Par::Found;
    review.parPoints = 3;
    review.parEntries = {{0, 2}, {2, 5}, {4, 0}};
    return review;
}

class FieldReviewWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window->startedUp()); }

    FieldQuestions questions()
    {
        FieldQuestions asked;
        asked.review = [this](const Game& game, SearchBudget& budget) {
            reviewedShots = static_cast<int>(game.shotsFired().size());
            return fake ? fake(game, budget) : cannedReview();
        };
        return asked;
    }

    QAction& reviewItem() const { return *play.child<QAction>("mnReview"); }
    ReviewDialog* dialog() const { return window->findChild<ReviewDialog*>(); }
    bool dialogShown() const
    {
        return QTest::qWaitFor([this] { return dialog() && dialog()->isVisible(); }, kPatience);
    }

    // Three shots, one a repeat, and the one atom marked and solved.
    void playToTheEnd()
    {
        play.newGame(kOneAtom);
        play.click(0, 2);
        play.click(4, 0);
        play.click(0, 2);
        play.click(1, 2);
        play.press("cmdSolved");
    }

    std::function<FieldReview(const Game&, SearchBudget&)> fake;
    std::atomic<int> reviewedShots{-1};
    testing::ScriptedMessenger messenger;
    testing::SequenceRandom random;
    testing::FixedClock clock{1000.0f};
    testing::FakePlatform platform;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>(
        MainWindowServices{messenger, random, clock, platform.services(), testing::assetFolders(), questions()});
    testing::MainWindowDriver play{*window, messenger, random};
};

TEST_F(FieldReviewWindow, OfferedOnlyFromAnAcceptedSolvedUntilTheNextNewGame)
{
    EXPECT_FALSE(reviewItem().isEnabled());
    play.newGame(kOneAtom);
    play.click(0, 1);
    EXPECT_FALSE(reviewItem().isEnabled());
    play.press("cmdSolved");
    EXPECT_FALSE(reviewItem().isEnabled()) << "no marks: Solved! is refused";
    play.click(2, 2);
    play.press("cmdSolved");
    EXPECT_TRUE(reviewItem().isEnabled()) << "a wrong answer ends the game too";
    play.press("cmdNewGame");
    EXPECT_FALSE(reviewItem().isEnabled());
}

TEST_F(FieldReviewWindow, ShowsTheReviewOfTheFinishedGameAsReadOnlyTextThatEscapeOrReturnCloses)
{
    playToTheEnd();
    for (const int key : {Qt::Key_Escape, Qt::Key_Return}) {
        reviewItem().trigger();
        ASSERT_TRUE(dialogShown());
        EXPECT_EQ(reviewedShots, 3);
        EXPECT_EQ(dialog()->windowTitle(), PlayerWords::reviewTitle());
        const Game same = [] {
            Game game = testing::gameWith(kOneAtom);
            game.click({0, 2}, false);
            game.click({4, 0}, false);
            game.click({0, 2}, false);
            return game;
        }();
        EXPECT_EQ(dialog()->text(), PlayerWords::review(cannedReview(), same.board(), same.Score(), 1));
        auto* text = dialog()->findChild<QPlainTextEdit*>(QStringLiteral("txtReview"));
        ASSERT_TRUE(text);
        EXPECT_TRUE(text->isReadOnly());
        EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QTest::keyClick(text, static_cast<Qt::Key>(key));
        EXPECT_FALSE(dialog() && dialog()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(dialog(), nullptr);
    }
}

// A screen reader finds the text by the dialog's title and reads it whole, line by line.
TEST_F(FieldReviewWindow, ScreenReadersReadTheReviewAsNamedText)
{
    playToTheEnd();
    reviewItem().trigger();
    ASSERT_TRUE(dialogShown());
    auto* text = dialog()->findChild<QPlainTextEdit*>(QStringLiteral("txtReview"));
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(text);
    ASSERT_TRUE(readable);
    EXPECT_EQ(readable->text(QAccessible::Name), PlayerWords::reviewTitle());
    EXPECT_TRUE(readable->state().readOnly);
    EXPECT_TRUE(readable->state().focusable);
    QAccessibleTextInterface* lines = readable->textInterface();
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->text(0, lines->characterCount()), dialog()->text());
    dialog()->close();
}

TEST_F(FieldReviewWindow, ThePointerIsBusyWhileTheReviewIsWorkedOutAndTheWindowKeepsAnswering)
{
    std::promise<void> started;
    std::promise<void> release;
    fake = [&](const Game&, SearchBudget&) {
        started.set_value();
        release.get_future().wait();
        return cannedReview();
    };
    playToTheEnd();
    reviewItem().trigger();
    started.get_future().wait();
    EXPECT_EQ(window->cursor().shape(), Qt::BusyCursor);
    play.click(0, 3);
    EXPECT_EQ(messenger.shown.back(), PlayerWords::refusal(Refusal::Kind::NoGame).toStdString());
    release.set_value();
    ASSERT_TRUE(dialogShown());
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    dialog()->close();
}

TEST_F(FieldReviewWindow, ANewGameDropsTheReviewBeingWorkedOut)
{
    std::promise<void> started;
    std::atomic<bool> cancelled{false};
    fake = [&](const Game&, SearchBudget& budget) {
        started.set_value();
        while (budget.allowsStep()) {
        }
        cancelled = true;
        return cannedReview();
    };
    playToTheEnd();
    reviewItem().trigger();
    started.get_future().wait();
    play.press("cmdNewGame");
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return cancelled.load(); }, kPatience));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog(), nullptr);
    window.reset();
}

TEST_F(FieldReviewWindow, ClosingTheWindowMidReviewLeavesNoJobRunning)
{
    std::promise<void> started;
    std::atomic<bool> finished{false};
    fake = [&](const Game&, SearchBudget& budget) {
        started.set_value();
        while (budget.allowsStep()) {
        }
        finished = true;
        return cannedReview();
    };
    playToTheEnd();
    reviewItem().trigger();
    started.get_future().wait();
    window.reset();
    EXPECT_TRUE(finished);
}

} // namespace
} // namespace orbalux
