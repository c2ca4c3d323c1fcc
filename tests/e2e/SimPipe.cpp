#include "tests/e2e/SimPipe.h"

bool SimPipe::Request(const std::string& command, std::vector<std::string>& answer, std::string& status)
{
    if (!m_client) {
        auto client = std::make_unique<PipeClient>();
        if (!client->connect("\\\\.\\pipe\\TalvexSim-" + std::to_string(m_pid), status))
            return false;
        m_client = std::move(client);
    }
    if (m_client->request(command, answer, status))
        return true;
    if (status.rfind("error the pipe closed", 0) == 0)
        m_client.reset();   // the program went, or released its monitors
    return false;
}

std::string SimPipe::Ask(const std::string& command)
{
    std::vector<std::string> answer;
    std::string status;
    if (!Request(command, answer, status))
        return status.rfind("error", 0) == 0 ? status : "error " + status;
    std::string joined;
    for (const std::string& line : answer)
        joined += (joined.empty() ? "" : "\n") + line;
    return joined;
}
