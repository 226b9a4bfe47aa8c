#pragma once

// Small helpers shared by the benchmarks: clocks, order statistics, process memory and the one
// line format every figure is printed in.
#include <chrono>
#include <string>
#include <vector>

namespace bench
{
using Clock = std::chrono::steady_clock;

double millisecondsSince (Clock::time_point start);
// CPU time this process has used, in ms (all threads). On a loaded machine it tells the work done
// apart from the time spent waiting for a core.
double processCpuMilliseconds();
// CPU time the main thread of another process has used so far, in ms; -1 when unreadable.
double mainThreadCpuMilliseconds (int pid);
double median (std::vector<double> values);
double maximum (const std::vector<double>& values);

// A field of /proc/<pid>/status ("VmRSS", "RssAnon", "RssFile", "RssShmem") in kB; pid 0 reads
// this process. -1 when the field cannot be read.
long readStatusKb (int pid, const char* field);

// Prints "  <what>  <value> <unit>  (target < <target> <unit>)  PASS|MISS" and counts misses.
bool verdict (const std::string& what, double value, double target, const char* unit);
int numMisses();

// The sub-benchmarks; each returns false when it could not run at all.
bool runStartup (int runs);
bool runWindows (int windows);
bool runApply (int runs);
bool runTransfer (int runs);
bool runMonitor (int runs);
bool runLive();
} // namespace bench
