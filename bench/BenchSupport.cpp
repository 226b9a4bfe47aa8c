#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <time.h>

namespace bench
{
namespace
{
int misses = 0;
}

double millisecondsSince (Clock::time_point start)
{
    return std::chrono::duration<double, std::milli> (Clock::now() - start).count();
}

double processCpuMilliseconds()
{
    timespec now {};
    clock_gettime (CLOCK_PROCESS_CPUTIME_ID, &now);
    return (double) now.tv_sec * 1000.0 + (double) now.tv_nsec / 1.0e6;
}

double mainThreadCpuMilliseconds (int pid)
{
    // The first field of schedstat is the time spent on a core, in nanoseconds.
    std::ifstream schedstat ("/proc/" + std::to_string (pid) + "/schedstat");
    double nanoseconds = -1.0;
    return schedstat >> nanoseconds ? nanoseconds / 1.0e6 : -1.0;
}

double median (std::vector<double> values)
{
    if (values.empty())
        return 0.0;

    std::sort (values.begin(), values.end());
    const auto middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double maximum (const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element (values.begin(), values.end());
}

long readStatusKb (int pid, const char* field)
{
    const auto path = pid == 0 ? std::string ("/proc/self/status") : "/proc/" + std::to_string (pid) + "/status";
    std::ifstream status (path);
    const auto prefix = std::string (field) + ":";

    for (std::string line; std::getline (status, line);)
        if (line.compare (0, prefix.size(), prefix) == 0)
            return std::strtol (line.c_str() + prefix.size(), nullptr, 10);

    return -1;
}

bool verdict (const std::string& what, double value, double target, const char* unit)
{
    const bool pass = value < target;
    misses += pass ? 0 : 1;
    std::printf ("  %-44s %8.2f %-3s (target < %g %s)  %s\n", what.c_str(), value, unit, target, unit,
                 pass ? "PASS" : "MISS");
    return pass;
}

int numMisses()
{
    return misses;
}
} // namespace bench
