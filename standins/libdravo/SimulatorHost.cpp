#include "standins/libdravo/SimulatorHost.h"

#include <cstdlib>

SimulatorHost& SimulatorHost::instance()
{
    static SimulatorHost* host = new SimulatorHost();
    return *host;
}

SimulatorHost::SimulatorHost() : m_control(m_simulator), m_server(m_control)
{
    // The monitors of the starting scenario are there from the first call:
    // nothing has been discovered yet, so their arrival is announced to
    // nobody (a window told now would call back into a library still being
    // set up).
    loadEnvironment();
    m_simulator.setPlugListener(
        [this](const PlugEvent& event) { m_broadcaster.announce(event, m_simulator.mode().broadcastWaitMs); });
}

void SimulatorHost::loadEnvironment()
{
    const char* trace = std::getenv("TALVEX_SIM_TRACE");
    if (trace && *trace && !m_simulator.trace().openFile(trace))
        m_simulator.trace().write(std::string("Sim trace file=") + trace + " -> error cannot open");
    const char* control = std::getenv("TALVEX_SIM_CONTROL");
    m_controlEnabled = !(control && std::string(control) == "0");
    const char* path = std::getenv("TALVEX_SIM");
    if (!path || !*path)
        return;
    std::string text;
    std::string error;
    // A scenario that cannot be used leaves the default monitors; the trace says why.
    if (Scenario::readFile(path, text, error) && m_simulator.load(text, error))
        return;
    m_simulator.trace().write(std::string("Sim load file=") + path + " -> error " + error);
    OutputDebugStringA(("talvex simulator: " + std::string(path) + ": " + error + "\n").c_str());
    setLastError(error);
}

void SimulatorHost::pin()
{
    if (m_pinned)
        return;
    HMODULE self = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&SimulatorHost::instance),
                           &self))
        m_pinned = self;
}

void SimulatorHost::unpin()
{
    if (m_pinned)
        FreeLibrary(m_pinned);
    m_pinned = nullptr;
}

void SimulatorHost::use()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    pin();
    if (m_controlEnabled && !m_server.running())
        m_server.start();
}

void SimulatorHost::release()
{
    // Not under the lock: while it waits, stop() lets a device-change
    // broadcast in flight reach this thread's windows, whose handlers may
    // call the library again.
    m_server.stop();
    std::lock_guard<std::mutex> lock(m_mutex);
    unpin();
}

void SimulatorHost::setLastError(const std::string& error)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lastError = error;
}

std::string SimulatorHost::lastError() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastError;
}
