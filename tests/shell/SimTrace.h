#pragma once
// The simulated monitors' call trace, read in-process: the lines kept since
// the last clear, searched by text and by order.
#include <string>
#include <vector>

class SimTrace
{
public:
    // Every kept line, oldest first.
    static std::vector<std::string> Lines();
    static void Clear();
    // A line of our own, interleaved with the libraries' calls.
    static void Note(const std::string& line);

    // The kept lines holding text (all of the parts, in any order).
    static std::vector<std::string> With(const std::string& text);
    static std::vector<std::string> With(const std::string& text, const std::string& also);
    // Index of the first line at or after from that holds text; -1 when none.
    static int Find(const std::vector<std::string>& lines, const std::string& text, int from = 0);
    static int Count(const std::string& text);
    // The word of a line that begins with key ("data=" gives "data=0100"); empty when none.
    static std::string Field(const std::string& line, const std::string& key);
};
