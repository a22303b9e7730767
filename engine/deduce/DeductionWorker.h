#pragma once

#include "deduce/CancellableBudget.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace orbalux {

/**
 * Runs deduction off its owner's thread, one job at a time: a newer job cancels the one running
 * and replaces any still waiting, so only the latest question is ever worked on. The owner calls
 * every member from one thread; a job hands its answer back by its own means.
 */
class DeductionWorker {
public:
    /** Works under budget and hands its answer on; it should stop soon once budget refuses. */
    using Job = std::function<void(CancellableBudget& budget)>;

    DeductionWorker() = default;
    /** Cancels the job running, drops the one waiting and waits for the thread to end. */
    ~DeductionWorker();
    DeductionWorker(const DeductionWorker&) = delete;
    DeductionWorker& operator=(const DeductionWorker&) = delete;

    /** Cancels the job running and has job run next, with allowed >= 0 from when it starts. */
    void run(Job job, std::chrono::steady_clock::duration allowed);
    /** Cancels the job running and drops the one waiting; returns without waiting for either. */
    void cancel();

private:
    struct Waiting {
        Job job;
        std::chrono::steady_clock::duration allowed;
    };

    void serve(std::stop_token stop);

    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<Waiting> m_waiting;
    // The stop of the job running, or of the last one run.
    std::stop_source m_running;
    // Last, so it ends before the state it reads.
    std::jthread m_thread;
};

} // namespace orbalux
