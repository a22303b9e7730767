#include "main/SettingsVerdict.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbalux {
namespace {

// The dialog decides what a visit changed; these are the visits it can hand back.
const SettingsVisit kOkUnchanged{{}, true, false};
const SettingsVisit kOkChanged{{}, true, true};
const SettingsVisit kCancelUnchanged{{}, false, false};
// A click on "Show numbers on border" counts even when the player left through Cancel.
const SettingsVisit kCancelAfterNumbersClick{{}, false, true};

struct Step {
    SettingsVisit visit;
    bool gameInProgress;
    bool expectAsked;
};

// Feeds the visits through the window's decision in turn, carrying the flag as the window does.
void expectQuestions(const std::vector<Step>& steps)
{
    bool changed = false;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const SettingsVerdict verdict = judgeSettingsVisit(changed, steps[i].visit, steps[i].gameInProgress);
        EXPECT_EQ(verdict.askNewGame, steps[i].expectAsked) << "visit " << i + 1;
        changed = verdict.SettingsChanged;
    }
}

TEST(SettingsVerdict, AVisitThatChangedNothingKeepsQuiet)
{
    expectQuestions({{kOkUnchanged, true, false}, {kCancelUnchanged, true, false}});
}

TEST(SettingsVerdict, AChangeConfirmedWithOkAsksWhileAGameRuns)
{
    expectQuestions({{kOkChanged, true, true}});
}

TEST(SettingsVerdict, CancelDropsEvenAClickedNumbersBox)
{
    const SettingsVerdict verdict = judgeSettingsVisit(false, kCancelAfterNumbersClick, true);
    EXPECT_FALSE(verdict.SettingsChanged);
    EXPECT_FALSE(verdict.askNewGame);
}

TEST(SettingsVerdict, AfterAConfirmedChangeEveryLaterOkAsksAgainUntilACancel)
{
    expectQuestions({
        {kOkChanged, true, true},
        {kOkUnchanged, true, true},
        {kOkUnchanged, true, true},
        {kCancelUnchanged, true, false},
        {kOkUnchanged, true, false},
    });
}

TEST(SettingsVerdict, AChangeBetweenGamesWaitsAndAsksOnceAGameRuns)
{
    const SettingsVerdict between = judgeSettingsVisit(false, kOkChanged, false);
    EXPECT_TRUE(between.SettingsChanged);
    EXPECT_FALSE(between.askNewGame);
    expectQuestions({{kOkChanged, false, false}, {kOkUnchanged, true, true}});
}

TEST(SettingsVerdict, ACancelBetweenGamesForgetsTheWaitingChange)
{
    expectQuestions({{kOkChanged, false, false}, {kCancelUnchanged, false, false}, {kOkUnchanged, true, false}});
}

} // namespace
} // namespace orbalux
