// Benchmarks of the editor: orbmini_bench [all|startup|windows|apply|transfer|monitor|live] [count]
// Figures are printed with their targets and PASS or MISS; the exit status is 1 only when a
// benchmark could not run (no display, no window, a failed transfer).
#include "BenchSupport.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace
{
void printUsage()
{
    std::printf ("usage: orbmini_bench [all|startup|windows|apply|transfer|monitor|live] [count]\n"
                 "  startup   start the editor binary and a bare framework window [count] times each (10)\n"
                 "  windows   open windows 2 to [count] (20) in one editor\n"
                 "  apply     apply a dump to a fully built window [count] times (1000)\n"
                 "  transfer  get and send against the simulated device [count] times (3)\n"
                 "  monitor   gets with the MIDI monitor open and closed, [count] times each (7)\n"
                 "  live      live editing of a slot of the simulated device\n"
                 "  all       each of them with its default count\n"
                 "The editor and the bare window programs can be overridden through ORBMINI_EDITOR and\n"
                 "ORBMINI_BARE_WINDOW.\n");
}
} // namespace

int main (int argc, char** argv)
{
    const char* which = argc > 1 ? argv[1] : "all";
    const int count = argc > 2 ? std::atoi (argv[2]) : 0;
    const auto chosen = [&] (const char* name) {
        return std::strcmp (which, "all") == 0 || std::strcmp (which, name) == 0;
    };
    const auto countOr = [&] (int fallback, int least) { return count > 0 ? juce::jmax (least, count) : fallback; };

    if (! chosen ("startup") && ! chosen ("windows") && ! chosen ("apply") && ! chosen ("transfer")
        && ! chosen ("monitor") && ! chosen ("live"))
    {
        printUsage();
        return std::strcmp (which, "--help") == 0 || std::strcmp (which, "-h") == 0 ? 0 : 2;
    }

    bool ran = true;
    char loadAverage[64] {};

    if (auto* file = std::fopen ("/proc/loadavg", "r"))
    {
        if (std::fgets (loadAverage, sizeof (loadAverage), file) == nullptr)
            loadAverage[0] = 0;

        std::fclose (file);
    }

    std::printf ("orbmini_bench %s; load average %s", which, loadAverage[0] != 0 ? loadAverage : "unknown\n");

    // Start-up runs child processes only; it goes first, before this process opens its own windows.
    if (chosen ("startup"))
        ran = bench::runStartup (countOr (10, 1)) && ran;

    if (chosen ("windows") || chosen ("apply") || chosen ("transfer") || chosen ("monitor") || chosen ("live"))
    {
        // Only with an application factory set does the framework count the process as a
        // standalone app and install its X error handlers, without which a fresh X server that
        // lacks some window-manager atoms would end the process on the first window.
        juce::JUCEApplicationBase::createInstance = []() -> juce::JUCEApplicationBase* { return nullptr; };
        juce::ScopedJuceInitialiser_GUI framework;

        if (chosen ("windows"))
            ran = bench::runWindows (countOr (20, 7)) && ran;
        if (chosen ("apply"))
            ran = bench::runApply (countOr (1000, 2)) && ran;
        if (chosen ("transfer"))
            ran = bench::runTransfer (countOr (3, 1)) && ran;
        if (chosen ("monitor"))
            ran = bench::runMonitor (countOr (7, 3)) && ran;
        if (chosen ("live"))
            ran = bench::runLive() && ran;
    }

    std::printf ("\n%s; %d target%s missed\n", ran ? "all benchmarks ran" : "SOME BENCHMARKS COULD NOT RUN",
                 bench::numMisses(), bench::numMisses() == 1 ? "" : "s");
    return ran ? 0 : 1;
}
