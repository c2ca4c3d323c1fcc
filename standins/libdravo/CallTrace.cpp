#include "standins/libdravo/CallTrace.h"

CallTrace::~CallTrace()
{
    closeFile();
}

bool CallTrace::openFile(const std::string& path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_file)
        std::fclose(m_file);
    m_file = std::fopen(path.c_str(), "ab");
    return m_file != nullptr;
}

void CallTrace::closeFile()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

void CallTrace::write(const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::string line = std::to_string(++m_sequence) + " " + text;
    if (m_file) {
        // One write per line keeps lines whole when other writers append too.
        std::string withEnd = line + "\n";
        std::fwrite(withEnd.data(), 1, withEnd.size(), m_file);
        std::fflush(m_file);
    }
    m_lines.push_back(std::move(line));
    while (m_lines.size() > m_kept)
        m_lines.pop_front();
}

std::vector<std::string> CallTrace::lines() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_lines.begin(), m_lines.end()};
}

void CallTrace::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lines.clear();
}
