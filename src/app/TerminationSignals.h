#pragma once

#include <QObject>

class SessionRecovery;
class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in the terminal, a closed
// session) end the program without its questions, but only once the unsaved
// changes are in the recovery copy, which the next start then offers. The
// handler only notes the signal; the window's work runs in the event loop.
// One at a time per program.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(SessionRecovery &recovery, QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    void handleNoted();

    SessionRecovery &mRecovery;
    QSocketNotifier *mNotifier = nullptr;
};
