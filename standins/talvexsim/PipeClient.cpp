#include "standins/talvexsim/PipeClient.h"

namespace {
constexpr int ConnectAttempts = 5;
constexpr DWORD BusyWaitMs = 2000;
}

PipeClient::~PipeClient()
{
    if (m_pipe != INVALID_HANDLE_VALUE)
        CloseHandle(m_pipe);
}

bool PipeClient::connect(const std::string& pipeName, std::string& error)
{
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        m_pipe = CreateFileA(pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (m_pipe != INVALID_HANDLE_VALUE)
            return true;
        // Another client is being served: wait for the pipe to be free.
        if (GetLastError() != ERROR_PIPE_BUSY || !WaitNamedPipeA(pipeName.c_str(), BusyWaitMs))
            break;
    }
    error = "cannot connect to " + pipeName + " (error " + std::to_string(GetLastError()) + ")";
    return false;
}

bool PipeClient::readLine(std::string& line)
{
    size_t end;
    while ((end = m_pending.find('\n')) == std::string::npos) {
        char buffer[4096];
        DWORD got = 0;
        if (!ReadFile(m_pipe, buffer, sizeof buffer, &got, nullptr) || got == 0)
            return false;
        m_pending.append(buffer, got);
    }
    line = m_pending.substr(0, end);
    m_pending.erase(0, end + 1);
    return true;
}

bool PipeClient::request(const std::string& line, std::vector<std::string>& answer, std::string& status)
{
    std::string text = line + "\n";
    DWORD written = 0;
    if (!WriteFile(m_pipe, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size()) {
        status = "error the pipe closed";
        return false;
    }
    answer.clear();
    for (std::string reply; readLine(reply);) {
        if (reply == "ok" || reply.rfind("error ", 0) == 0) {
            status = reply;
            return reply == "ok";
        }
        answer.push_back(reply);
    }
    status = "error the pipe closed before the answer ended";
    return false;
}
