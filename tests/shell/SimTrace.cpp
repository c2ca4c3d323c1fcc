#include "SimTrace.h"

#include "standins/libdravo/DravoSim.h"

namespace {

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

std::vector<std::string> SimTrace::Lines()
{
    std::string text(1 << 16, '\0');
    int needed;
    while ((needed = SimTraceLines(text.data(), static_cast<int>(text.size()))) >= static_cast<int>(text.size()))
        text.resize(static_cast<size_t>(needed) + 1);
    if (needed <= 0)
        return {};
    text.resize(static_cast<size_t>(needed));
    return Split(text);
}

void SimTrace::Clear()
{
    SimTraceClear();
}

void SimTrace::Note(const std::string& line)
{
    SimTraceNote(line.c_str());
}

std::vector<std::string> SimTrace::With(const std::string& text)
{
    return With(text, "");
}

std::vector<std::string> SimTrace::With(const std::string& text, const std::string& also)
{
    std::vector<std::string> found;
    for (const std::string& line : Lines()) {
        if (line.find(text) != std::string::npos && line.find(also) != std::string::npos)
            found.push_back(line);
    }
    return found;
}

int SimTrace::Find(const std::vector<std::string>& lines, const std::string& text, int from)
{
    for (int i = from < 0 ? 0 : from; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].find(text) != std::string::npos)
            return i;
    }
    return -1;
}

int SimTrace::Count(const std::string& text)
{
    return static_cast<int>(With(text).size());
}

std::string SimTrace::Field(const std::string& line, const std::string& key)
{
    const size_t at = line.find(key);
    if (at == std::string::npos)
        return std::string();
    const size_t end = line.find(' ', at);
    return line.substr(at, end == std::string::npos ? std::string::npos : end - at);
}
