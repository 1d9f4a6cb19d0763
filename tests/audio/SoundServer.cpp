#include "SoundServer.h"

#include <QFileInfo>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
bool answers()
{
    QProcess info;
    info.start(u"pactl"_s, {u"info"_s});
    return info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0;
}
} // namespace

SoundServer::SoundServer()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && answers())
        return;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(mRuntime.path()));
    mServer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mServer.start(u"pulseaudio"_s, {u"--daemonize=no"_s, u"--exit-idle-time=-1"_s, u"-n"_s,
                                    u"--load=module-null-sink"_s, u"--load=module-native-protocol-unix"_s});
    const QString socket = mRuntime.filePath(u"pulse/native"_s);
    if (!mServer.waitForStarted(5000) || !QTest::qWaitFor([&] { return QFileInfo::exists(socket); }, 10000))
        mProblem = u"no sound server could be started: "_s + mServer.errorString();
}

SoundServer::~SoundServer()
{
    if (mServer.state() != QProcess::NotRunning) {
        mServer.terminate();
        mServer.waitForFinished(5000);
    }
}
