#include "deduce/DeductionWorker.h"

#include <utility>

namespace orbalux {

DeductionWorker::~DeductionWorker()
{
    cancel();
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

void DeductionWorker::run(Job job, std::chrono::steady_clock::duration allowed)
{
    {
        const std::scoped_lock lock(m_mutex);
        m_running.request_stop();
        m_waiting = Waiting{std::move(job), allowed};
    }
    // Made at the first job: a window that never asks keeps no thread.
    if (!m_thread.joinable())
        m_thread = std::jthread([this](std::stop_token stop) { serve(std::move(stop)); });
    m_wake.notify_one();
}

void DeductionWorker::cancel()
{
    const std::scoped_lock lock(m_mutex);
    m_running.request_stop();
    m_waiting.reset();
}

void DeductionWorker::serve(std::stop_token stop)
{
    for (;;) {
        Waiting next{};
        std::stop_token jobStop;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return m_waiting.has_value(); }))
                return;
            next = std::move(*m_waiting);
            m_waiting.reset();
            m_running = std::stop_source();
            jobStop = m_running.get_token();
        }
        CancellableBudget budget(next.allowed, std::move(jobStop));
        next.job(budget);
    }
}

} // namespace orbalux
