#include "standins/libdravo/ReportPump.h"

#include <chrono>

ReportPump::ReportPump(Observer observer) : m_observer(std::move(observer)) {}

ReportPump::~ReportPump()
{
    shutdown();
    // A thread let go by a shutdown from inside its callback may still be ending.
    std::unique_lock<std::mutex> lock(m_mutex);
    m_done.wait(lock, [&] { return m_threads == 0; });
}

bool ReportPump::onPumpThread() const
{
    return std::this_thread::get_id() == m_threadId;
}

bool ReportPump::running() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread.joinable();
}

int ReportPump::offCallsWaiting() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_offWaiting;
}

void ReportPump::subscribe(DWORD handle, KvReportCallback callback, DWORD context)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_subscriptions[handle] = {callback, context};
    if (!m_thread.joinable()) {
        unsigned generation = m_generation;
        ++m_threads;
        m_thread = std::thread([this, generation] { run(generation); });
        m_threadId = m_thread.get_id();
    }
}

void ReportPump::unsubscribe(DWORD handle, bool wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_subscriptions.erase(handle);
    if (!wait || std::this_thread::get_id() == m_threadId)
        return;
    ++m_offWaiting;
    m_done.wait(lock, [&] { return !m_busy || m_runningHandle != handle; });
    --m_offWaiting;
}

void ReportPump::forget(DWORD handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_subscriptions.erase(handle);
}

void ReportPump::post(Report report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_thread.joinable()) {
        if (m_observer)
            m_observer(report, false);
        return;
    }
    m_queue.push_back(std::move(report));
    m_wake.notify_one();
}

size_t ReportPump::queued() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.size();
}

bool ReportPump::waitIdle(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return m_queue.empty() && !m_busy; });
}

void ReportPump::shutdown()
{
    std::thread ending;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_subscriptions.clear();
        m_queue.clear();
        ++m_generation;
        m_wake.notify_all();
        ending = std::move(m_thread);
        if (std::this_thread::get_id() != m_threadId) {
            m_threadId = std::thread::id();
        } else {
            // The callback that asked is the last one; a new thread may start meanwhile.
            m_busy = false;
            m_runningHandle = 0;
            m_busyThread = std::thread::id();
        }
    }
    if (!ending.joinable())
        return;
    // From inside a callback the thread ends once that callback returns.
    if (ending.get_id() == std::this_thread::get_id()) {
        ending.detach();
        return;
    }
    ending.join();
}

void ReportPump::run(unsigned generation)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [&] { return generation != m_generation || !m_queue.empty(); });
        if (generation != m_generation)
            break;
        deliverNext(lock);
    }
    --m_threads;
    m_done.notify_all();
}

bool ReportPump::deliverNext(std::unique_lock<std::mutex>& lock)
{
    Report report = std::move(m_queue.front());
    m_queue.pop_front();
    auto it = m_subscriptions.find(report.handle);
    if (m_observer)
        m_observer(report, it != m_subscriptions.end());
    if (it == m_subscriptions.end()) {
        m_done.notify_all();
        return false;
    }
    Subscription subscription = it->second;
    m_runningHandle = report.handle;
    m_busy = true;
    m_busyThread = std::this_thread::get_id();
    lock.unlock();
    subscription.callback(report.handle, report.page, report.usage, report.bitSize, report.count,
                          report.data.data(), subscription.context);
    lock.lock();
    // Unless a shutdown from inside the callback handed the pump on already.
    if (m_busyThread == std::this_thread::get_id()) {
        m_busy = false;
        m_runningHandle = 0;
        m_busyThread = std::thread::id();
    }
    m_done.notify_all();
    return true;
}
