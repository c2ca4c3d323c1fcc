#pragma once
// The one simulator of the process behind libdravo.dll, with its Windows
// side: the scenario and trace named by the environment (TALVEX_SIM,
// TALVEX_SIM_TRACE), device-change broadcasts on plugging, and the control
// pipe (unless TALVEX_SIM_CONTROL=0). It is never destroyed: at process
// exit its threads are gone already and nothing may wait for them.
//
// While its threads may run, the DLL holds a reference to itself, so that
// it cannot be unloaded under them; KvRelease ends them and drops it.
#include "standins/libdravo/CommandInterpreter.h"
#include "standins/libdravo/ControlServer.h"
#include "standins/libdravo/DeviceBroadcaster.h"
#include "standins/libdravo/Simulator.h"
#include <mutex>
#include <string>

class SimulatorHost {
public:
    static SimulatorHost& instance();

    Simulator& simulator() { return m_simulator; }
    CommandInterpreter& control() { return m_control; }
    // Every exported call comes here first: starts the control pipe.
    void use();
    // KvRelease: ends the control pipe and lets the DLL go.
    void release();

    void setLastError(const std::string& error);
    std::string lastError() const;

private:
    SimulatorHost();
    void loadEnvironment();
    void pin();
    void unpin();

    Simulator m_simulator;
    CommandInterpreter m_control;
    DeviceBroadcaster m_broadcaster;
    ControlServer m_server;
    mutable std::mutex m_mutex;
    bool m_controlEnabled = true;
    HMODULE m_pinned = nullptr;
    std::string m_lastError;
};
