// In-process benchmarks of the editor application: every further window, and applying a dump to
// a window whose views are all built. The application object is the running editor's, driven as
// the menu drives it, without the single-instance check.
#include "BenchSupport.h"

#include "app/KestrinOrbMiniEditorApplication.h"
#include "model/ParameterTable.h"
#include "views/EditorComponent.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace bench
{
namespace
{
void runMessageLoop (int milliseconds)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (milliseconds);
}

// Paints what is waiting to be painted now, through the window's peer.
void paintPending (juce::Component& window)
{
    if (auto* peer = window.getPeer())
        peer->performAnyPendingRepaintsNow();
}

// Paints the whole window now, as the first paint after mapping does.
void paintNow (juce::Component& window)
{
    window.repaint();
    paintPending (window);
}

struct Memory
{
    double rssMb;  // resident set, after returning free heap to the system
    double heapMb; // bytes the allocator has handed out (small blocks and mapped ones)
};

Memory measureMemory()
{
    malloc_trim (0);
    const auto info = mallinfo2();
    return { readStatusKb (0, "VmRSS") / 1024.0, (double) (info.uordblks + info.hblkhd) / (1024.0 * 1024.0) };
}

class Editor
{
public:
    Editor()
    {
        app.startEditor ({});
        app.getWindowManager()->onLastWindowClosed = nullptr;
    }

    KestrinOrbMiniEditorApplication app;
};

// The same preset with every parameter moved to another value within its range (the next one
// up, wrapping to the minimum), so that applying it changes every widget that can change.
OrbEditorEngine::ByteArray shiftedDump (OrbEditorEngine& engine)
{
    const auto original = engine.buildDump (0);

    for (const auto& table : ParameterTable::getGroups())
    {
        const auto type = table.type;

        for (int index = 0; index < engine.getNumControls (type); ++index)
        {
            auto* group = engine.getControl (type, index);

            for (const auto& name : group->getParameterNames())
            {
                const int value = group->getParameterValue (name);
                const int next = value >= group->getMaximum (name) ? group->getMinimum (name) : value + 1;
                group->setParameterValue (name, (std::uint8_t) next, false);
            }
        }
    }

    const auto shifted = engine.buildDump (0);
    engine.applyDump (original);
    return shifted;
}
} // namespace

bool runWindows (int count)
{
    std::printf ("\nfurther windows: \"New Window\" %d times, each shown and painted once\n", count - 1);

    Editor editor;
    auto& windows = *editor.app.getWindowManager();

    if (windows.getNumWindows() != 1)
        return false;

    paintNow (*windows.getWindow (0));
    runMessageLoop (300);

    const auto startMemory = measureMemory();
    std::vector<double> milliseconds, paintMs, cpuMs, addedRss, addedHeap;
    std::printf ("  %6s %9s %10s %8s %10s %10s\n", "window", "open ms", "paint ms", "CPU ms", "+RSS MB", "+heap MB");

    for (int n = 2; n <= count; ++n)
    {
        const auto before = measureMemory();
        const auto start = Clock::now();
        const auto cpuStart = processCpuMilliseconds();
        editor.app.getCommandManager()->invokeDirectly (KestrinOrbEditorApplication::newWindowCommand, false);

        if (windows.getNumWindows() != n)
            return false;

        const double createMs = millisecondsSince (start);
        paintNow (*windows.getWindow (n - 1));
        milliseconds.push_back (millisecondsSince (start));
        paintMs.push_back (milliseconds.back() - createMs);
        cpuMs.push_back (processCpuMilliseconds() - cpuStart);

        // Lets the window's map and expose events through before the memory is read.
        runMessageLoop (40);
        const auto after = measureMemory();
        addedRss.push_back (after.rssMb - before.rssMb);
        addedHeap.push_back (after.heapMb - before.heapMb);
        std::printf ("  %6d %9.2f %10.2f %8.2f %10.2f %10.2f\n", n, milliseconds.back(), paintMs.back(), cpuMs.back(),
                     addedRss.back(), addedHeap.back());
    }

    const auto endMemory = measureMemory();
    runMessageLoop (6000);
    const auto idleMemory = measureMemory();
    const auto perWindow = [count] (double total) { return total / (count - 1); };

    const auto firstFive = [] (const std::vector<double>& values) {
        return median ({ values.begin(), values.begin() + 5 });
    };
    const auto lastFive = [] (const std::vector<double>& values) {
        return median ({ values.end() - 5, values.end() });
    };
    std::printf ("  open time: median %.2f ms, CPU %.2f ms; windows 2-6 median %.2f ms (CPU %.2f), last five %.2f ms"
                 " (CPU %.2f)\n",
                 median (milliseconds), median (cpuMs), firstFive (milliseconds), firstFive (cpuMs),
                 lastFive (milliseconds), lastFive (cpuMs));
    std::printf ("  added memory per window: RSS at open median %.2f MB, heap median %.2f MB; over all %d windows"
                 " %.2f MB each at open, %.2f MB each once idle 6 s\n",
                 median (addedRss), median (addedHeap), count - 1, perWindow (endMemory.rssMb - startMemory.rssMb),
                 perWindow (idleMemory.rssMb - startMemory.rssMb));
    std::printf ("  (the framework paints each window through a buffer of the window's size, about 3.4 MB for\n"
                 "   1200x724, and drops it after 3 s without painting; a bare window pays the same)\n");
    verdict ("time to open a further window (max)", maximum (milliseconds), 30.0, "ms");
    verdict ("flat: CPU time, last five / windows 2-6", lastFive (cpuMs) / firstFive (cpuMs), 1.25, "x");
    verdict ("added memory per further window at open (max)", maximum (addedRss), 4.0, "MB");
    verdict ("added memory per further window, idle", perWindow (idleMemory.rssMb - startMemory.rssMb), 4.0, "MB");
    verdict ("flat: added memory, largest - smallest",
             maximum (addedRss) - *std::min_element (addedRss.begin(), addedRss.end()), 0.5, "MB");
    return true;
}

bool runApply (int runs)
{
    std::printf ("\napplying a dump to a window whose views are all built, every widget refreshed; %d runs\n", runs);

    Editor editor;
    auto* window = editor.app.getWindowManager()->getWindow (0);
    auto* component = window != nullptr ? dynamic_cast<EditorComponent*> (window->getContentComponent()) : nullptr;

    if (component == nullptr)
        return false;

    // Every section is shown and painted once, as a user visiting each tab would see it.
    for (int view = 0; view < EditorComponent::numViews; ++view)
    {
        component->viewSelected (view);
        paintNow (*window);
        runMessageLoop (20);
    }

    component->viewSelected (0);
    paintNow (*window);

    auto& engine = *component->getEngine();
    const OrbEditorEngine::ByteArray dumps[] = { engine.buildDump (0), shiftedDump (engine) };
    int changed = 0;

    for (int i = 0; i < dumps[0].size(); ++i)
        changed += dumps[0][i] != dumps[1][i] ? 1 : 0;

    std::printf ("  two presets differing in %d of %d bytes, applied in turn\n", changed, dumps[0].size());

    std::vector<double> applyMs;

    for (int run = 0; run < runs; ++run)
    {
        const auto start = Clock::now();
        engine.applyDump (dumps[run % 2]);
        applyMs.push_back (millisecondsSince (start));

        // The widgets' repaints are left to the message loop, as in the editor.
        if (run % 50 == 0)
            runMessageLoop (1);
    }

    if (engine.buildDump (0) != dumps[(runs - 1) % 2])
    {
        std::printf ("  the window does not hold the preset last applied\n");
        return false;
    }

    std::printf ("  apply: median %.3f ms, max %.3f ms\n", median (applyMs), maximum (applyMs));
    verdict ("dump apply (median)", median (applyMs), 2.0, "ms");
    return true;
}
} // namespace bench
