#include "app/TerminationSignals.h"

#include "core/files/SessionRecovery.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read in the event loop.
int noteFds[2] = {-1, -1};

extern "C" void noteSignal(int signalNumber)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(noteFds[0], &number, 1);
    errno = saved;
}

void handleWith(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : Handled)
        ::sigaction(signalNumber, &action, nullptr);
}
} // namespace

TerminationSignals::TerminationSignals(SessionRecovery &recovery, QObject *parent)
    : QObject(parent)
    , mRecovery(recovery)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, noteFds) != 0)
        return;
    mNotifier = new QSocketNotifier(noteFds[1], QSocketNotifier::Read, this);
    connect(mNotifier, &QSocketNotifier::activated, this, &TerminationSignals::handleNoted);
    handleWith(noteSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!mNotifier)
        return;
    handleWith(SIG_DFL);
    delete mNotifier;
    ::close(noteFds[0]);
    ::close(noteFds[1]);
    noteFds[0] = noteFds[1] = -1;
}

void TerminationSignals::handleNoted()
{
    unsigned char number = 0;
    if (::read(noteFds[1], &number, 1) != 1)
        return;
    mRecovery.write();
    // As a shell reports a program ended by the signal.
    QCoreApplication::exit(128 + number);
}
