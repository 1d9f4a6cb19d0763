#include "PlayerSignals.h"

#include "playback/SessionPlayer.h"

#include <QEventLoop>
#include <QTimer>

bool waitForPlayer(const SessionPlayer &player, const std::function<bool()> &done, int guardMs)
{
    bool failed = false;
    while (!done()) {
        if (failed || player.state() == SessionPlayer::State::Stopped)
            return done();
        QEventLoop step;
        QTimer guard;
        guard.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&guard, &QTimer::timeout, &step, [&] {
            timedOut = true;
            step.quit();
        });
        QObject::connect(&player, &SessionPlayer::positionChanged, &step, &QEventLoop::quit);
        QObject::connect(&player, &SessionPlayer::stateChanged, &step, &QEventLoop::quit);
        QObject::connect(&player, &SessionPlayer::failed, &step, [&] {
            failed = true;
            step.quit();
        });
        guard.start(guardMs);
        step.exec();
        if (timedOut)
            return done();
    }
    return true;
}
