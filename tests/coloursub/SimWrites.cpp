#include "SimWrites.h"

#include "../device/SimControl.h"

namespace {

std::string Field(const std::string& line, const std::string& name)
{
    const size_t start = line.find(name + "=");
    if (start == std::string::npos)
        return std::string();
    const size_t from = start + name.size() + 1;
    return line.substr(from, line.find(' ', from) - from);
}

std::vector<std::string> CallsOn(const char* call, int monitor)
{
    std::vector<std::string> lines;
    for (const std::string& line : SimTraceWith(call)) {
        if (line.find(" monitor=" + std::to_string(monitor) + " ") != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

} // namespace

std::vector<std::string> SimWrites(int monitor)
{
    std::vector<std::string> writes;
    for (const std::string& line : CallsOn("KvSetFeature", monitor)) {
        const bool single = line.find("KvSetFeatureValue") != std::string::npos;
        writes.push_back(Field(line, "feature") + " " + (single ? "=" + Field(line, "value") : Field(line, "data")));
    }
    return writes;
}

std::vector<std::string> SimWrittenFeatures(int monitor)
{
    std::vector<std::string> features;
    for (const std::string& write : SimWrites(monitor))
        features.push_back(write.substr(0, write.find(' ')));
    return features;
}

std::vector<std::string> SimReads(int monitor)
{
    std::vector<std::string> reads;
    for (const std::string& line : CallsOn("KvGetFeatureArray", monitor))
        reads.push_back(Field(line, "feature"));
    return reads;
}

long SimValue(int monitor, const std::string& feature)
{
    std::vector<std::string> lines;
    if (!SimRun("get " + std::to_string(monitor) + " " + feature, &lines) || lines.empty())
        return -1;
    return std::stol(lines.front());
}
