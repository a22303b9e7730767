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

// One run of visits through every row of the rule: a change confirmed with OK asks while a game
// runs, and keeps asking after every later OK until a Cancel; between games it waits for one.
TEST(SettingsVerdict, AConfirmedChangeAsksWhileAGameRunsUntilACancelForgetsIt)
{
    expectQuestions({
        {kOkUnchanged, true, false},
        {kCancelAfterNumbersClick, true, false},
        {kOkChanged, true, true},
        {kOkUnchanged, true, true},
        {kCancelUnchanged, true, false},
        {kOkUnchanged, true, false},
        {kOkChanged, false, false},
        {kOkUnchanged, true, true},
        {kOkChanged, false, false},
        {kCancelUnchanged, false, false},
        {kOkUnchanged, true, false},
    });
}

} // namespace
} // namespace orbalux
