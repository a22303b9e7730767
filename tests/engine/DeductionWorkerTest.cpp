#include "deduce/CancellableBudget.h"
#include "deduce/DeductionWorker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <stop_token>

namespace orbalux {
namespace {

using namespace std::chrono_literals;

// Long enough that no job here ends by its deadline: each ends when it is cancelled.
constexpr auto kForever = std::chrono::hours(1);

// Takes steps until budget refuses; true when it refused for a cancel.
bool workUntilRefused(CancellableBudget& budget)
{
    while (budget.allowsStep()) {
    }
    return budget.cancelled();
}

TEST(CancellableBudget, AllowsStepsUntilItsStopIsRequestedThenRefusesForGood)
{
    std::stop_source stop;
    CancellableBudget budget(kForever, stop.get_token());
    for (int step = 0; step < 1000; ++step)
        ASSERT_TRUE(budget.allowsStep()) << step;
    stop.request_stop();
    EXPECT_TRUE(workUntilRefused(budget));
    EXPECT_FALSE(budget.allowsStep());
}

TEST(CancellableBudget, RunsOutAtItsDeadlineWithoutCountingAsCancelled)
{
    std::stop_source stop;
    CancellableBudget budget(0s, stop.get_token());
    EXPECT_FALSE(workUntilRefused(budget));
    EXPECT_FALSE(budget.allowsStep());
}

TEST(DeductionWorker, RunsAJobOffTheCallersThreadAndLetsItHandItsAnswerOn)
{
    std::promise<std::thread::id> ranOn;
    // Last, so it ends before anything its jobs touch.
    DeductionWorker worker;
    worker.run([&](CancellableBudget& budget) {
        ranOn.set_value(budget.allowsStep() ? std::this_thread::get_id() : std::thread::id());
    }, kForever);
    const std::thread::id where = ranOn.get_future().get();
    EXPECT_NE(where, std::thread::id());
    EXPECT_NE(where, std::this_thread::get_id());
}

TEST(DeductionWorker, ANewerJobCancelsTheOneRunning)
{
    std::promise<void> started;
    std::promise<bool> firstCancelled;
    std::promise<bool> secondRan;
    // Last, so it ends before anything its jobs touch.
    DeductionWorker worker;
    worker.run([&](CancellableBudget& budget) {
        started.set_value();
        firstCancelled.set_value(workUntilRefused(budget));
    }, kForever);
    started.get_future().wait();
    worker.run([&](CancellableBudget& budget) { secondRan.set_value(budget.allowsStep()); }, kForever);
    EXPECT_TRUE(firstCancelled.get_future().get());
    EXPECT_TRUE(secondRan.get_future().get());
}

TEST(DeductionWorker, OnlyTheLatestOfTheJobsWaitingRuns)
{
    std::promise<void> started;
    std::promise<void> release;
    std::atomic<int> skippedRuns{0};
    std::promise<void> latestRan;
    // Last, so it ends before anything its jobs touch.
    DeductionWorker worker;
    worker.run([&](CancellableBudget&) {
        started.set_value();
        release.get_future().wait();
    }, kForever);
    started.get_future().wait();
    worker.run([&](CancellableBudget&) { ++skippedRuns; }, kForever);
    worker.run([&](CancellableBudget&) { ++skippedRuns; }, kForever);
    worker.run([&](CancellableBudget&) { latestRan.set_value(); }, kForever);
    release.set_value();
    latestRan.get_future().wait();
    EXPECT_EQ(skippedRuns.load(), 0);
}

TEST(DeductionWorker, CancelDropsTheJobWaiting)
{
    std::promise<void> started;
    std::promise<void> release;
    std::atomic<bool> droppedRan{false};
    std::promise<bool> cancelled;
    std::promise<void> after;
    // Last, so it ends before anything its jobs touch.
    DeductionWorker worker;
    worker.run([&](CancellableBudget& budget) {
        started.set_value();
        release.get_future().wait();
        cancelled.set_value(workUntilRefused(budget));
    }, kForever);
    started.get_future().wait();
    worker.run([&](CancellableBudget&) { droppedRan = true; }, kForever);
    worker.cancel();
    release.set_value();
    EXPECT_TRUE(cancelled.get_future().get());
    // A job run after the cancel proves the dropped one had its chance to run first, and did not.
    worker.run([&](CancellableBudget&) { after.set_value(); }, kForever);
    after.get_future().wait();
    EXPECT_FALSE(droppedRan);
}

TEST(DeductionWorker, CancelStopsTheJobRunning)
{
    std::promise<void> started;
    std::promise<bool> cancelled;
    // Last, so it ends before anything its jobs touch.
    DeductionWorker worker;
    worker.run([&](CancellableBudget& budget) {
        started.set_value();
        cancelled.set_value(workUntilRefused(budget));
    }, kForever);
    started.get_future().wait();
    worker.cancel();
    EXPECT_TRUE(cancelled.get_future().get());
}

TEST(DeductionWorker, EndingMidJobCancelsItAndWaitsForIt)
{
    std::atomic<bool> finished{false};
    std::atomic<bool> wasCancelled{false};
    {
        std::promise<void> started;
        // Last, so it ends before anything its jobs touch.
        DeductionWorker worker;
        worker.run([&](CancellableBudget& budget) {
            started.set_value();
            wasCancelled = workUntilRefused(budget);
            finished = true;
        }, kForever);
        started.get_future().wait();
    }
    EXPECT_TRUE(finished);
    EXPECT_TRUE(wasCancelled);
}

// Jobs and cancels in quick succession, so that the owner's calls meet the worker's thread at
// every point of its loop: what a race detector needs to see to find a missing lock.
TEST(DeductionWorker, JobsAndCancelsInQuickSuccessionEndWithTheLatestJobRun)
{
    std::atomic<int> ran{0};
    std::promise<void> last;
    // Last, so it ends before anything its jobs touch.
    DeductionWorker worker;
    for (int round = 0; round < 2000; ++round) {
        worker.run([&](CancellableBudget& budget) {
            for (int step = 0; step < 100 && budget.allowsStep(); ++step) {
            }
            ++ran;
        }, kForever);
        if (round % 3 == 0)
            worker.cancel();
    }
    worker.run([&](CancellableBudget&) { last.set_value(); }, kForever);
    last.get_future().wait();
    EXPECT_LE(ran.load(), 2000);
}

TEST(DeductionWorker, AWorkerNeverAskedEndsAtOnce)
{
    const DeductionWorker worker;
}

} // namespace
} // namespace orbalux
