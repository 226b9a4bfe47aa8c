#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <functional>
#include <thread>

// Keeps one editor per user on platforms where the framework cannot hand a second start's
// command line to the running instance. The first start holds a lock file and listens on a Unix
// socket in a folder only its user can enter; a later start finds the lock taken, sends its
// command line through the socket and ends. The kernel frees the lock when its holder dies, and a
// socket file left by a crash is replaced, so a crashed instance never blocks a new start.
class SingleInstanceChannel
{
public:
    // folder: where the lock and socket live; by default the user's runtime folder.
    explicit SingleInstanceChannel (const juce::String& appId, juce::File folder = {});
    ~SingleInstanceChannel();

    // True when this process holds the lock (no other instance runs for this user).
    bool isPrimary() const { return primary; }

    // Primary only: starts accepting command lines (empty when the later start had none); each
    // is handed to the callback on the message thread.
    bool startListening (std::function<void (const juce::String&)> onCommandLine);

    // Secondary only: delivers the command line to the primary, retrying for up to timeoutMs while
    // the primary is still starting. False when no primary could be reached.
    bool sendToPrimary (const juce::String& commandLine, int timeoutMs = 1000) const;

    juce::File getSocketFile() const { return socketFile; }

    static juce::File getDefaultFolder();

private:
    void acceptLoop();

    juce::File socketFile;
    bool primary = false;
    int lockFd = -1;
    int listenFd = -1;
    int wakePipe[2] { -1, -1 };
    std::function<void (const juce::String&)> callback;
    std::thread listener;

    JUCE_DECLARE_NON_COPYABLE (SingleInstanceChannel)
};
