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

    void serve();

    std::mutex m_mutex;
    // A plain condition and flag rather than a wait on a stop token: MinGW's stop-callback
    // handshake now and then hangs under Wine.
    std::condition_variable m_wake;
    std::optional<Waiting> m_waiting;
    // The stop of the job running, or of the last one run.
    std::stop_source m_running;
    // Last, so it ends before the state it reads.
    bool m_ending = false;
    std::thread m_thread;
};

} // namespace orbalux
