// Start-up of the real editor binary, and of a bare framework window for comparison: each program
// is started as a child process with a private runtime directory (so the editor's single-instance
// channel never hands over to another editor), and the root window of the X display is watched
// for the child's first top-level window being mapped. The time is taken from just before the
// fork, so it also carries the fork and exec; the resident memory is read from /proc at once.
#include "BenchSupport.h"

#include "app/EditorSettings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench
{
namespace
{
struct Sample
{
    double milliseconds = 0.0;
    double cpuMilliseconds = 0.0; // the child's main thread until then
    long rssKb = 0;               // when the window was mapped
    long settledRssKb = 0;        // half a second later, after the first paints
};

int ignoreXErrors (Display*, XErrorEvent*)
{
    // A window may be gone before its properties are read.
    return 0;
}

long windowProcessId (Display* display, Window window)
{
    const Atom pidAtom = XInternAtom (display, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    long pid = -1;

    if (XGetWindowProperty (display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                            &data)
            == Success
        && data != nullptr && format == 32 && count == 1)
        pid = *reinterpret_cast<long*> (data);

    if (data != nullptr)
        XFree (data);

    return pid;
}

void stopChild (pid_t pid)
{
    kill (pid, SIGTERM);

    for (int i = 0; i < 200; ++i)
    {
        if (waitpid (pid, nullptr, WNOHANG) == pid)
            return;

        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    }

    kill (pid, SIGKILL);
    waitpid (pid, nullptr, 0);
}

// A settings file as a musician's editor has it after a while: remembered ports and ten recent
// files (present, so that the menu lists them all).
std::string writeLivedInSettings (const std::filesystem::path& folder)
{
    const auto settingsFile = juce::File (folder.string()).getChildFile ("settings.xml");
    EditorSettings settings (settingsFile);
    settings.setInput ({ "OrbMini MIDI 1", "24-0" });
    settings.setOutput ({ "OrbMini MIDI 1", "24-0" });
    for (int i = 1; i <= EditorSettings::maxRecentFiles; ++i)
    {
        const auto preset = settingsFile.getSiblingFile ("Preset " + juce::String (i) + ".orp");
        preset.replaceWithText ("preset");
        settings.addRecentFile (preset);
    }
    return settingsFile.getFullPathName().toStdString();
}

// settingsFile: copied in as the child's settings; none when empty.
bool startOnce (Display* display, const std::string& program, Sample& sample, const std::string& settingsFile)
{
    char runtimeTemplate[] = "/tmp/orbmini-bench-XXXXXX";
    const char* runtimeDir = mkdtemp (runtimeTemplate);

    if (runtimeDir == nullptr)
        return false;

    // The child's settings live in its own folder, never the user's.
    const auto configDir = std::filesystem::path (runtimeDir) / "config";
    std::filesystem::create_directories (configDir / "orbmini-editor");
    if (! settingsFile.empty())
        std::filesystem::copy_file (settingsFile, configDir / "orbmini-editor" / "settings.xml");

    XSync (display, False);
    while (XPending (display) > 0)
    {
        XEvent discarded;
        XNextEvent (display, &discarded);
    }

    const auto start = Clock::now();
    const pid_t pid = fork();

    if (pid < 0)
        return false;

    if (pid == 0)
    {
        setenv ("XDG_RUNTIME_DIR", runtimeDir, 1);
        setenv ("XDG_CONFIG_HOME", configDir.c_str(), 1);
        const int devNull = open ("/dev/null", O_RDWR);
        dup2 (devNull, STDOUT_FILENO);
        dup2 (devNull, STDERR_FILENO);
        execl (program.c_str(), program.c_str(), static_cast<char*> (nullptr));
        _exit (127);
    }

    bool mapped = false;
    bool exited = false;

    while (! mapped && ! exited && millisecondsSince (start) < 20000.0)
    {
        while (! mapped && XPending (display) > 0)
        {
            XEvent event;
            XNextEvent (display, &event);

            if (event.type == MapNotify && ! event.xmap.override_redirect
                && windowProcessId (display, event.xmap.window) == pid)
            {
                sample.milliseconds = millisecondsSince (start);
                sample.rssKb = readStatusKb (pid, "VmRSS");
                sample.cpuMilliseconds = mainThreadCpuMilliseconds (pid);
                mapped = true;
            }
        }

        if (! mapped)
        {
            pollfd connection { ConnectionNumber (display), POLLIN, 0 };
            poll (&connection, 1, 20);
            exited = waitpid (pid, nullptr, WNOHANG) == pid;
        }
    }

    if (mapped)
    {
        std::this_thread::sleep_for (std::chrono::milliseconds (500));
        sample.settledRssKb = readStatusKb (pid, "VmRSS");
    }

    if (! exited)
        stopChild (pid);

    std::error_code ignored;
    std::filesystem::remove_all (runtimeDir, ignored);
    return mapped;
}

struct Series
{
    std::vector<double> milliseconds, cpuMilliseconds, rssMb, settledRssMb;
};

bool measure (Display* display, const std::string& program, int runs, Series& series,
              const std::string& settingsFile = {})
{
    for (int run = 0; run < runs; ++run)
    {
        Sample sample;

        if (! startOnce (display, program, sample, settingsFile))
        {
            std::printf ("  %s did not map a window within 20 s\n", program.c_str());
            return false;
        }

        series.milliseconds.push_back (sample.milliseconds);
        series.cpuMilliseconds.push_back (sample.cpuMilliseconds);
        series.rssMb.push_back (sample.rssKb / 1024.0);
        series.settledRssMb.push_back (sample.settledRssKb / 1024.0);
    }

    return true;
}

void printSeries (const char* name, const Series& series)
{
    std::printf ("  %-22s %8.1f ms %8.1f ms %8.1f ms   %6.1f MB %6.1f MB   %6.1f MB\n", name,
                 median (series.milliseconds), maximum (series.milliseconds), median (series.cpuMilliseconds),
                 median (series.rssMb), maximum (series.rssMb), median (series.settledRssMb));
}

// Puts "Xft.dpi" into the display's X resources (the root window's RESOURCE_MANAGER, where xrdb
// keeps them) while it lives, ahead of what was there, and then puts back what was there: the
// editor started meanwhile finds a desktop at that scale.
class ScopedXftDpi
{
public:
    ScopedXftDpi (Display* d, int dpi) : display (d), root (DefaultRootWindow (d))
    {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, remaining = 0;
        unsigned char* data = nullptr;

        if (XGetWindowProperty (display, root, XA_RESOURCE_MANAGER, 0, 1 << 20, False, XA_STRING, &type, &format,
                                &count, &remaining, &data)
                == Success
            && data != nullptr && format == 8)
        {
            hadResources = true;
            previous.assign (reinterpret_cast<const char*> (data), count);
        }

        if (data != nullptr)
            XFree (data);

        write ("Xft.dpi:\t" + std::to_string (dpi) + "\n" + previous);
    }

    ~ScopedXftDpi()
    {
        if (hadResources)
            write (previous);
        else
            XDeleteProperty (display, root, XA_RESOURCE_MANAGER);

        XSync (display, False);
    }

private:
    Display* display;
    Window root;
    bool hadResources = false;
    std::string previous;

    void write (const std::string& text)
    {
        XChangeProperty (display, root, XA_RESOURCE_MANAGER, XA_STRING, 8, PropModeReplace,
                         reinterpret_cast<const unsigned char*> (text.data()), (int) text.size());
        XSync (display, False);
    }
};

std::string programPath (const char* environmentName, const char* builtPath)
{
    const char* chosen = std::getenv (environmentName);
    return chosen != nullptr && *chosen != 0 ? chosen : builtPath;
}
} // namespace

bool runStartup (int runs)
{
    const auto editor = programPath ("ORBMINI_EDITOR", ORBMINI_EDITOR_PATH);
    const auto bareWindow = programPath ("ORBMINI_BARE_WINDOW", ORBMINI_BARE_WINDOW_PATH);

    std::printf ("\nstart-up: spawn to first top-level window mapped, resident memory (VmRSS) then; %d runs each\n",
                 runs);

    Display* display = XOpenDisplay (nullptr);

    if (display == nullptr)
    {
        std::printf ("  no X display (set DISPLAY, or run through scripts/with-display.sh)\n");
        return false;
    }

    XSetErrorHandler (ignoreXErrors);
    XSelectInput (display, DefaultRootWindow (display), SubstructureNotifyMask);

    Series bare, editorSeries, withSettingsSeries, scaledSeries;
    const auto settingsFolder = std::filesystem::temp_directory_path() / "orbmini-bench-settings";
    std::filesystem::remove_all (settingsFolder);
    std::filesystem::create_directories (settingsFolder);
    const auto livedIn = writeLivedInSettings (settingsFolder);

    // One unmeasured start of each warms the page cache and the X server. The editor's three ways
    // of starting alternate, run by run, so that all meet the machine in the same state.
    Series warmUp;
    bool ran = measure (display, bareWindow, 1, warmUp) && measure (display, editor, 1, warmUp)
               && measure (display, bareWindow, runs, bare);
    // The third of each run is the same editor on a desktop set to 200 %: twice the pixels to
    // paint, and the @2x pictures.
    for (int run = 0; ran && run < runs; ++run)
    {
        ran = measure (display, editor, 1, editorSeries) && measure (display, editor, 1, withSettingsSeries, livedIn);
        if (ran)
        {
            ScopedXftDpi desktopAt200Percent (display, 192);
            ran = measure (display, editor, 1, scaledSeries);
        }
    }

    XCloseDisplay (display);
    std::filesystem::remove_all (settingsFolder);

    if (! ran)
        return false;

    std::printf ("  %-22s %11s %11s %11s   %9s %9s   %9s\n", "", "median", "max", "CPU med", "RSS med", "RSS max",
                 "RSS +0.5s");
    printSeries ("bare framework window", bare);
    printSeries ("OrbMini editor", editorSeries);
    printSeries ("  with settings", withSettingsSeries);
    printSeries ("OrbMini editor at 200 %", scaledSeries);
    verdict ("editor start-up time (median)", median (editorSeries.milliseconds), 150.0, "ms");
    verdict ("editor resident memory at first window (median)", median (editorSeries.rssMb), 35.0, "MB");
    verdict ("start-up with 10 recent files and remembered ports / without settings (median)",
             median (withSettingsSeries.milliseconds) / median (editorSeries.milliseconds), 1.05, "x");
    verdict ("start-up at 200 % / at 100 % (median)",
             median (scaledSeries.milliseconds) / median (editorSeries.milliseconds), 1.3, "x");
    std::printf ("  editor at 200 %%: start-up %.1f ms, resident memory %.1f MB at first window, %.1f MB 0.5 s later\n",
                 median (scaledSeries.milliseconds), median (scaledSeries.rssMb), median (scaledSeries.settledRssMb));
    return true;
}
} // namespace bench
