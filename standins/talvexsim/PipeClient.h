#pragma once
// The client side of the simulator's control pipe: sends a command line
// and collects the answer up to its status line ("ok" or "error ...").
#include <windows.h>
#include <string>
#include <vector>

class PipeClient {
public:
    PipeClient() = default;
    ~PipeClient();
    PipeClient(const PipeClient&) = delete;
    PipeClient& operator=(const PipeClient&) = delete;

    bool connect(const std::string& pipeName, std::string& error);
    // answer: the lines before the status; status: the status line.
    bool request(const std::string& line, std::vector<std::string>& answer, std::string& status);

private:
    bool readLine(std::string& line);

    HANDLE m_pipe = INVALID_HANDLE_VALUE;
    std::string m_pending;
};
