#pragma once
// Helpers for the tests of the simulated monitors: discovery, two-byte
// reads and writes as the program makes them (count + 1 buffers), and a
// report callback that records what it receives.
#include "standins/libdravo/CommandLine.h"
#include "standins/libdravo/Simulator.h"
#include <mutex>
#include <thread>
#include <vector>

namespace simtest {

inline std::vector<DWORD> discover(Simulator& sim)
{
    std::vector<DWORD> handles;
    int count = sim.find();
    for (int i = 0; i < count; ++i) {
        DWORD handle = 0;
        sim.retrieve(i, &handle);
        handles.push_back(handle);
    }
    return handles;
}

// The payload of a feature, or an empty vector when the read fails.
inline std::vector<BYTE> readFeature(Simulator& sim, DWORD handle, WORD page, WORD usage)
{
    DWORD a = 0, b = 0, flag = 0, count = 0;
    if (sim.describe(handle, page, usage, &a, &b, &flag, &count) < 0)
        return {};
    std::vector<BYTE> buffer(count + 1, 0xCC);
    if (sim.readArray(handle, page, usage, buffer.data(), count + 1) < 0)
        return {};
    buffer.resize(count);
    return buffer;
}

inline int readWord(Simulator& sim, DWORD handle, WORD page, WORD usage)
{
    std::vector<BYTE> payload = readFeature(sim, handle, page, usage);
    if (payload.empty())
        return -1;
    return payload.size() == 1 ? payload[0] : payload[0] | payload[1] << 8;
}

inline int writeWord(Simulator& sim, DWORD handle, WORD page, WORD usage, unsigned value)
{
    BYTE buffer[3] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8), 0};
    return sim.writeArray(handle, page, usage, buffer, 3);
}

inline bool act(Simulator& sim, const std::string& line)
{
    std::vector<std::string> words;
    std::string error;
    SimAction action;
    return CommandLine::split(line, words, error) && SimAction::parse(words, action, error) &&
           sim.perform(action, error);
}

struct Received {
    DWORD handle;
    WORD page;
    WORD usage;
    WORD bitSize;
    WORD count;
    std::vector<BYTE> data;
    std::thread::id thread;
};

// Collects every report the callback receives, from any test.
class ReportLog {
public:
    static ReportLog& instance()
    {
        static ReportLog log;
        return log;
    }
    static int DRAVO_CALL callback(DWORD handle, WORD page, WORD usage, WORD bitSize, WORD count, BYTE* data,
                                   DWORD)
    {
        std::lock_guard<std::mutex> lock(instance().m_mutex);
        instance().m_received.push_back(
            {handle, page, usage, bitSize, count, std::vector<BYTE>(data, data + bitSize / 8 * count),
             std::this_thread::get_id()});
        return 0;
    }
    std::vector<Received> take()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<Received> out;
        out.swap(m_received);
        return out;
    }

private:
    std::mutex m_mutex;
    std::vector<Received> m_received;
};

} // namespace simtest
