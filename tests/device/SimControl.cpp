#include "SimControl.h"

#ifdef _WIN32
#include "standins/libdravo/DravoSim.h"
#else
#include "NativeLibrary.h"
#include "standins/libdravo/CommandInterpreter.h"
#endif

namespace {

#ifdef _WIN32
bool Run(const std::string& command, std::vector<std::string>& lines)
{
    (void)command;
    (void)lines;
    return false;   // the DLL's test interface is not wired yet
}
#else
bool Run(const std::string& command, std::vector<std::string>& lines)
{
    CommandInterpreter interpreter(NativeSimulator());
    std::string error;
    return interpreter.run(command, lines, error);
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
    std::vector<std::string> all, found;
    SimRun("trace", &all);
    for (const std::string& line : all) {
        if (line.find(text) != std::string::npos)
            found.push_back(line);
    }
    return found;
}
