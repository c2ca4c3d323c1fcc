#include "standins/libdravo/ControlServer.h"

#include <algorithm>
#include <memory>

namespace {
constexpr DWORD BufferSize = 4096;
constexpr size_t LongestLine = 64 * 1024;
}

std::string ControlServer::pipeName(DWORD processId)
{
    return CommandInterpreter::pipeName(processId);
}

bool ControlServer::running() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_thread != nullptr;
}

bool ControlServer::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_thread)
        return true;
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!stop)
        return false;
    Run* run = new Run{this, stop};
    HANDLE thread = CreateThread(nullptr, 0, &ControlServer::threadMain, run, 0, nullptr);
    if (!thread) {
        delete run;
        CloseHandle(stop);
        return false;
    }
    m_thread = thread;
    m_stop = stop;
    return true;
}

void ControlServer::stop()
{
    HANDLE thread, stop;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        thread = m_thread;
        stop = m_stop;
        m_thread = m_stop = nullptr;
    }
    if (!thread)
        return;
    SetEvent(stop);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread);
    CloseHandle(stop);
}

DWORD WINAPI ControlServer::threadMain(LPVOID parameter)
{
    std::unique_ptr<Run> run(static_cast<Run*>(parameter));
    run->server->serve(run->stop);
    return 0;
}

void ControlServer::serve(HANDLE stop)
{
    std::string name = pipeName(GetCurrentProcessId());
    while (WaitForSingleObject(stop, 0) != WAIT_OBJECT_0) {
        HANDLE pipe = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                       PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES,
                                       BufferSize, BufferSize, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE)
            return;
        if (connect(pipe, stop))
            converse(pipe, stop);
        DisconnectNamedPipe(pipe);
        CloseHandle(pipe);
    }
}

bool ControlServer::waitIo(HANDLE pipe, OVERLAPPED& io, HANDLE stop, DWORD& transferred)
{
    HANDLE events[2] = {io.hEvent, stop};
    if (WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0) {
        CancelIo(pipe);
        GetOverlappedResult(pipe, &io, &transferred, TRUE);
        return false;
    }
    return GetOverlappedResult(pipe, &io, &transferred, FALSE) != FALSE;
}

bool ControlServer::connect(HANDLE pipe, HANDLE stop)
{
    OVERLAPPED io{};
    io.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool connected = ConnectNamedPipe(pipe, &io) != FALSE;
    DWORD error = GetLastError();
    DWORD transferred = 0;
    if (!connected && error == ERROR_PIPE_CONNECTED)
        connected = true;
    else if (!connected && error == ERROR_IO_PENDING)
        connected = waitIo(pipe, io, stop, transferred);
    CloseHandle(io.hEvent);
    return connected;
}

bool ControlServer::send(HANDLE pipe, const std::string& text, HANDLE stop)
{
    OVERLAPPED io{};
    io.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    size_t sent = 0;
    bool ok = true;
    while (ok && sent < text.size()) {
        DWORD transferred = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - sent, BufferSize));
        ResetEvent(io.hEvent);
        if (!WriteFile(pipe, text.data() + sent, chunk, nullptr, &io) && GetLastError() != ERROR_IO_PENDING)
            ok = false;
        else
            ok = waitIo(pipe, io, stop, transferred);
        sent += transferred;
    }
    CloseHandle(io.hEvent);
    return ok;
}

void ControlServer::converse(HANDLE pipe, HANDLE stop)
{
    OVERLAPPED io{};
    io.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::string pending;
    char buffer[BufferSize];
    while (true) {
        DWORD got = 0;
        ResetEvent(io.hEvent);
        if (!ReadFile(pipe, buffer, sizeof buffer, nullptr, &io) && GetLastError() != ERROR_IO_PENDING)
            break;
        if (!waitIo(pipe, io, stop, got) || got == 0)
            break;
        pending.append(buffer, got);
        size_t end;
        bool alive = true;
        while (alive && (end = pending.find('\n')) != std::string::npos) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            alive = send(pipe, m_control.answer(line), stop);
        }
        // A client that never ends its line gets no answer, and no more memory.
        if (!alive || pending.size() > LongestLine)
            break;
    }
    CloseHandle(io.hEvent);
}
