#pragma once
// Delivers monitor reports to the subscribed callbacks on a thread of the
// library's own, in posting order.
//
// The guarantee of KvReportOFF: unsubscribe(handle) returns only when no
// callback for that handle is running and none can follow. Called from
// inside a callback (on the pump's own thread) it cannot wait for itself:
// it then ends the subscription and returns at once; the callback that is
// running is the last one for that handle. Without waiting (wait false)
// it only promises that none follows: a running callback may go on. Ending the pump (KvRelease) from
// inside a callback works the same way: the thread ends after that callback
// returns (the pump's destructor waits for it).
#include "device/DravoLibrary.h"
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

class ReportPump {
public:
    struct Report {
        DWORD handle;
        int monitor;          // for the trace only
        WORD page;
        WORD usage;
        WORD bitSize;
        WORD count;
        std::vector<BYTE> data;
    };
    // Told about every report as it is delivered (true) or dropped (false),
    // under the pump's lock: it must not call back into the pump.
    using Observer = std::function<void(const Report&, bool delivered)>;

    explicit ReportPump(Observer observer = {});
    ~ReportPump();
    ReportPump(const ReportPump&) = delete;
    ReportPump& operator=(const ReportPump&) = delete;

    void subscribe(DWORD handle, KvReportCallback callback, DWORD context);
    void unsubscribe(DWORD handle, bool wait = true);
    // Ends a subscription without waiting (the handle died under it).
    void forget(DWORD handle);
    void post(Report report);
    // Reports posted and not yet delivered or dropped.
    size_t queued() const;
    // True when the queue is empty and no callback runs (within the time).
    bool waitIdle(int timeoutMs);
    // Ends every subscription, drops the queue and ends the thread.
    void shutdown();
    bool onPumpThread() const;
    int offCallsWaiting() const;
    bool running() const;

private:
    struct Subscription {
        KvReportCallback callback;
        DWORD context;
    };
    void run(unsigned generation);
    bool deliverNext(std::unique_lock<std::mutex>& lock);

    Observer m_observer;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    std::deque<Report> m_queue;
    std::map<DWORD, Subscription> m_subscriptions;
    DWORD m_runningHandle = 0;
    bool m_busy = false;
    std::thread::id m_busyThread;
    std::thread m_thread;
    std::thread::id m_threadId;
    unsigned m_generation = 0;
    int m_threads = 0;
    int m_offWaiting = 0;
};
