#pragma once
// The control pipe "\\.\pipe\TalvexSim-<pid>": a thread of the library
// that serves one client at a time with the control language, so that a
// separate process (talvexsim.exe) can drive the simulated monitors of a
// running program. Each request line gets its answer lines and a status.
#include "standins/libdravo/CommandInterpreter.h"
#include <windows.h>
#include <mutex>
#include <string>

class ControlServer {
public:
    explicit ControlServer(CommandInterpreter& control) : m_control(control) {}
    ControlServer(const ControlServer&) = delete;
    ControlServer& operator=(const ControlServer&) = delete;

    static std::string pipeName(DWORD processId);
    bool start();
    // Returns when the thread has ended. While waiting it lets messages
    // sent to this thread's windows through, so a broadcast in flight on the
    // server thread cannot deadlock against it.
    void stop();
    bool running() const;

private:
    struct Run {
        ControlServer* server;
        HANDLE stop;
    };
    static DWORD WINAPI threadMain(LPVOID parameter);
    void serve(HANDLE stop);
    bool connect(HANDLE pipe, HANDLE stop);
    void converse(HANDLE pipe, HANDLE stop);
    bool waitIo(HANDLE pipe, OVERLAPPED& io, HANDLE stop, DWORD& transferred);
    bool send(HANDLE pipe, const std::string& text, HANDLE stop);

    CommandInterpreter& m_control;
    mutable std::mutex m_mutex;
    HANDLE m_thread = nullptr;
    HANDLE m_stop = nullptr;
};
