// talvexsim: drives the simulated monitors of a running Talvex through
// their control pipe. One command from the command line, or one per line
// from standard input; exit 0 when all succeeded, 1 when one failed,
// 2 when no program could be reached.
#include "standins/libdravo/CommandInterpreter.h"
#include "standins/talvexsim/PipeClient.h"
#include "standins/talvexsim/ProcessFinder.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

const char kUsage[] =
    "usage: talvexsim [--pid N] <command>      one command\n"
    "       talvexsim [--pid N]                commands from standard input, one per line\n"
    "       talvexsim help                     this text\n"
    "Without --pid the one running talvex.exe is driven.\n\n";

// Words with blanks keep them on the pipe.
std::string joinWords(int argc, char** argv, int first)
{
    std::string line;
    for (int i = first; i < argc; ++i) {
        std::string word = argv[i];
        if (word.find_first_of(" \t") != std::string::npos)
            word = "\"" + word + "\"";
        line += (line.empty() ? "" : " ") + word;
    }
    return line;
}

bool findTarget(DWORD& pid, std::string& error)
{
    std::vector<DWORD> found = ProcessFinder::byName("talvex.exe");
    if (found.size() == 1) {
        pid = found[0];
        return true;
    }
    error = found.empty() ? "no talvex.exe is running" : "several talvex.exe are running; choose one with --pid";
    return false;
}

int runOne(PipeClient& client, const std::string& line)
{
    std::vector<std::string> answer;
    std::string status;
    bool ok = client.request(line, answer, status);
    for (const std::string& reply : answer)
        std::printf("%s\n", reply.c_str());
    if (!ok)
        std::fprintf(stderr, "%s\n", status.c_str());
    std::fflush(stdout);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    int first = 1;
    DWORD pid = 0;
    if (argc > 2 && std::string(argv[1]) == "--pid") {
        char* end = nullptr;
        pid = static_cast<DWORD>(std::strtoul(argv[2], &end, 10));
        if (pid == 0 || *end != '\0') {
            std::fprintf(stderr, "talvexsim: bad process id '%s'\n", argv[2]);
            return 2;
        }
        first = 3;
    }
    if (first < argc && std::string(argv[first]) == "help") {
        std::printf("%s%s", kUsage, CommandInterpreter::helpText());
        return 0;
    }
    std::string error;
    if (!pid && !findTarget(pid, error)) {
        std::fprintf(stderr, "talvexsim: %s\n", error.c_str());
        return 2;
    }
    PipeClient client;
    if (!client.connect(CommandInterpreter::pipeName(pid), error)) {
        std::fprintf(stderr, "talvexsim: %s\n", error.c_str());
        return 2;
    }
    if (first < argc)
        return runOne(client, joinWords(argc, argv, first));
    int result = 0;
    for (std::string line; std::getline(std::cin, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos && runOne(client, line) != 0)
            result = 1;
    }
    return result;
}
