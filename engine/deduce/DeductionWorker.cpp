#include "deduce/DeductionWorker.h"

#include <utility>

namespace orbalux {

DeductionWorker::~DeductionWorker()
{
    {
        const std::scoped_lock lock(m_mutex);
        m_running.request_stop();
        m_waiting.reset();
        m_ending = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
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
        m_thread = std::thread([this] { serve(); });
    m_wake.notify_one();
}

void DeductionWorker::cancel()
{
    const std::scoped_lock lock(m_mutex);
    m_running.request_stop();
    m_waiting.reset();
}

void DeductionWorker::serve()
{
    for (;;) {
        Waiting next{};
        std::stop_token jobStop;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_ending || m_waiting.has_value(); });
            if (m_ending)
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
