// The peak memory of one step of a benchmark, read from the kernel's account of the process.
#pragma once

#include <fstream>
#include <string>

inline long StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return 0;
}

// Restarts the count of the peak, and returns the memory in use now (kilobytes).
inline long StartPeakCount()
{
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusKilobytes("VmRSS:");
}

// How far the peak since StartPeakCount rose above what was in use then (kilobytes).
inline long PeakAbove(long lStart)
{
    return StatusKilobytes("VmHWM:") - lStart;
}
