#include "EndSignals.h"

#include "PictureFolder.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signal handler only writes the signal's number into a socket; the event loop reads
// it and does the work where it is safe.
int g_signalSockets[2] = {-1, -1};

void OnSignal(int nSignal)
{
    const char number = static_cast<char>(nSignal);
    [[maybe_unused]] const ssize_t written = write(g_signalSockets[0], &number, 1);
}

void EndAsAsked()
{
    char number = 0;
    if (read(g_signalSockets[1], &number, 1) != 1)
        return;
    RemoveExtractedPictureFolder();
    std::signal(number, SIG_DFL);
    std::raise(number);
}

} // namespace

void RemovePicturesOnEndSignals()
{
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalSockets) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, [] { EndAsAsked(); });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int nSignal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(nSignal, &action, nullptr);
}
