#include "SimControl.h"

#ifdef _WIN32
#include "standins/libdravo/DravoSim.h"
#else
#include "NativeLibrary.h"
#include "standins/libdravo/CommandInterpreter.h"
#endif

namespace {

#ifdef _WIN32
void SplitLines(const std::string& text, std::vector<std::string>& lines)
{
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
}

bool Run(const std::string& command, std::vector<std::string>& lines)
{
    std::vector<char> answer(1 << 16);
    const bool ok = SimCommand(command.c_str(), answer.data(), static_cast<int>(answer.size())) >= 0;
    SplitLines(answer.data(), lines);
    if (!lines.empty())
        lines.pop_back();   // the status line
    return ok;
}

std::vector<std::string> TraceLines()
{
    std::vector<char> text(1 << 16);
    int needed;
    while ((needed = SimTraceLines(text.data(), static_cast<int>(text.size()))) >= static_cast<int>(text.size()))
        text.resize(needed + 1);
    std::vector<std::string> lines;
    if (needed > 0)
        SplitLines(text.data(), lines);
    return lines;
}
#else
bool Run(const std::string& command, std::vector<std::string>& lines)
{
    CommandInterpreter interpreter(NativeSimulator());
    std::string error;
    return interpreter.run(command, lines, error);
}

std::vector<std::string> TraceLines()
{
    return NativeSimulator().trace().lines();
}
#endif

} // namespace

bool SimRun(const std::string& command, std::vector<std::string>* lines)
{
    std::vector<std::string> answer;
    const bool ok = Run(command, answer);
    if (lines)
        *lines = answer;
    return ok;
}

std::vector<std::string> SimTraceWith(const std::string& text)
{
    std::vector<std::string> found;
    for (const std::string& line : TraceLines()) {
        if (line.find(text) != std::string::npos)
            found.push_back(line);
    }
    return found;
}

bool SimFreshStart()
{
    return SimRun("reset") && SimRun("fault clear") && SimRun("trace clear");
}
