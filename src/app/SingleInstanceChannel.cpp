#include "app/SingleInstanceChannel.h"

#include <juce_events/juce_events.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace
{
constexpr size_t maxCommandLineBytes = 64 * 1024;

// A folder is safe when it is ours, a real directory (not a link) and closed to everyone else.
bool isPrivateFolder (const juce::File& folder)
{
    struct stat info
    {};
    if (lstat (folder.getFullPathName().toRawUTF8(), &info) != 0)
        return false;

    return S_ISDIR (info.st_mode) && info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

bool makeAddress (const juce::File& socketFile, sockaddr_un& address)
{
    const auto path = socketFile.getFullPathName().toStdString();
    std::memset (&address, 0, sizeof (address));
    address.sun_family = AF_UNIX;

    if (path.size() >= sizeof (address.sun_path))
        return false;

    std::memcpy (address.sun_path, path.c_str(), path.size() + 1);
    return true;
}
} // namespace

juce::File SingleInstanceChannel::getDefaultFolder()
{
    const juce::File runtime (juce::SystemStats::getEnvironmentVariable ("XDG_RUNTIME_DIR", {}));

    if (runtime.getFullPathName().isNotEmpty() && isPrivateFolder (runtime))
        return runtime;

    return juce::File ("/tmp").getChildFile ("orbmini-editor-" + juce::String ((int) getuid()));
}

SingleInstanceChannel::SingleInstanceChannel (const juce::String& appId, juce::File folder)
{
    if (folder == juce::File())
        folder = getDefaultFolder();

    if (! folder.isDirectory())
        mkdir (folder.getFullPathName().toRawUTF8(), 0700);

    // Where another user could reach the channel, run alone rather than trust it.
    if (! isPrivateFolder (folder))
    {
        primary = true;
        return;
    }

    socketFile = folder.getChildFile (appId + ".socket");
    const auto lockFile = folder.getChildFile (appId + ".lock");
    const int fd = open (lockFile.getFullPathName().toRawUTF8(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);

    if (fd < 0)
    {
        primary = true;
        socketFile = juce::File();
        return;
    }

    if (flock (fd, LOCK_EX | LOCK_NB) == 0)
    {
        lockFd = fd;
        primary = true;
    }
    else
    {
        close (fd);
    }
}

SingleInstanceChannel::~SingleInstanceChannel()
{
    if (listener.joinable())
    {
        const char wake = 1;
        [[maybe_unused]] auto written = write (wakePipe[1], &wake, 1);
        listener.join();
    }

    for (auto fd : { listenFd, wakePipe[0], wakePipe[1] })
        if (fd >= 0)
            close (fd);

    if (listenFd >= 0)
        unlink (socketFile.getFullPathName().toRawUTF8());

    if (lockFd >= 0)
        close (lockFd);
}

bool SingleInstanceChannel::startListening (std::function<void (const juce::String&)> onCommandLine)
{
    sockaddr_un address {};

    if (! isPrimary() || listenFd >= 0 || socketFile == juce::File() || ! makeAddress (socketFile, address))
        return false;

    // We hold the lock, so any socket file left here belongs to a dead instance.
    unlink (socketFile.getFullPathName().toRawUTF8());

    listenFd = socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);

    if (listenFd < 0)
        return false;

    const auto oldMask = umask (077);
    const bool bound = bind (listenFd, reinterpret_cast<sockaddr*> (&address), sizeof (address)) == 0;
    umask (oldMask);

    if (! bound || listen (listenFd, 8) != 0 || pipe2 (wakePipe, O_CLOEXEC) != 0)
    {
        close (listenFd);
        listenFd = -1;
        return false;
    }

    callback = std::move (onCommandLine);
    listener = std::thread ([this] { acceptLoop(); });
    return true;
}

void SingleInstanceChannel::acceptLoop()
{
    for (;;)
    {
        pollfd fds[2] { { listenFd, POLLIN, 0 }, { wakePipe[0], POLLIN, 0 } };

        if (poll (fds, 2, -1) < 0)
        {
            if (errno == EINTR)
                continue;
            return;
        }

        if (fds[1].revents != 0)
            return;

        const int client = accept4 (listenFd, nullptr, nullptr, SOCK_CLOEXEC);

        if (client < 0)
            continue;

        ucred peer {};
        socklen_t peerSize = sizeof (peer);
        const bool sameUser =
            getsockopt (client, SOL_SOCKET, SO_PEERCRED, &peer, &peerSize) == 0 && peer.uid == getuid();

        juce::MemoryBlock received;

        if (sameUser)
        {
            // A sender that stalls must not block the next start for long.
            timeval timeout { 1, 0 };
            setsockopt (client, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof (timeout));
            char buffer[4096];

            for (;;)
            {
                const auto n = read (client, buffer, sizeof (buffer));
                if (n <= 0 || received.getSize() + (size_t) n > maxCommandLineBytes)
                    break;
                received.append (buffer, (size_t) n);
            }
        }

        close (client);

        if (sameUser)
        {
            const auto commandLine = received.toString();
            juce::MessageManager::callAsync ([cb = callback, commandLine] { cb (commandLine); });
        }
    }
}

bool SingleInstanceChannel::sendToPrimary (const juce::String& commandLine, int timeoutMs) const
{
    sockaddr_un address {};

    if (isPrimary() || ! makeAddress (socketFile, address))
        return false;

    const auto deadline = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    for (;;)
    {
        const int fd = socket (AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);

        if (fd >= 0 && connect (fd, reinterpret_cast<sockaddr*> (&address), sizeof (address)) == 0)
        {
            const auto bytes = commandLine.toStdString();
            size_t sent = 0;

            while (sent < bytes.size())
            {
                const auto n = send (fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
                if (n <= 0)
                    break;
                sent += (size_t) n;
            }

            close (fd);
            return sent == bytes.size();
        }

        if (fd >= 0)
            close (fd);

        if (juce::Time::getMillisecondCounter() >= deadline)
            return false;

        juce::Thread::sleep (50);
    }
}
