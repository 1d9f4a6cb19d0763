#include "DevsimProcess.h"

#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

using namespace Qt::Literals::StringLiterals;

DevsimProcess::DevsimProcess(const QStringList &arguments)
{
    mProcess.setReadChannel(QProcess::StandardOutput);
    mProcess.setProcessChannelMode(QProcess::SeparateChannels);
    mProcess.start(builtProgramPath(u"mirandel-devsim"_s), arguments);
    QByteArray line;
    const QDeadlineTimer deadline(5000);
    while (!takeLine(line) && !deadline.hasExpired() && mProcess.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    mDevicePath = QString::fromLocal8Bit(line);
}

DevsimProcess::~DevsimProcess()
{
    if (isRunning()) {
        mProcess.terminate();
        if (!mProcess.waitForFinished(3000))
            mProcess.kill();
        mProcess.waitForFinished(1000);
    }
}

bool DevsimProcess::takeLine(QByteArray &line)
{
    mReceived += mProcess.readAllStandardOutput();
    const qsizetype end = mReceived.indexOf('\n');
    if (end < 0)
        return false;
    line = mReceived.left(end);
    mReceived.remove(0, end + 1);
    return true;
}

QJsonObject DevsimProcess::nextReport(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QByteArray line;
    while (!takeLine(line)) {
        if (deadline.hasExpired() || !mProcess.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            return takeLine(line) ? QJsonDocument::fromJson(line).object() : QJsonObject();
    }
    return QJsonDocument::fromJson(line).object();
}

QJsonObject DevsimProcess::nextReport(const QString &event, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const QJsonObject report = nextReport(int(std::max<qint64>(0, deadline.remainingTime())));
        if (report.isEmpty() || report.value(u"event"_s).toString() == event)
            return report;
    }
}

QList<QJsonObject> DevsimProcess::reports(int settleMs)
{
    if (settleMs > 0)
        mProcess.waitForReadyRead(settleMs);
    QList<QJsonObject> all;
    QByteArray line;
    while (takeLine(line))
        all.append(QJsonDocument::fromJson(line).object());
    return all;
}

QString missingDevicePath(int n)
{
    return u"/nonexistent/mirandel-test-port%1"_s.arg(n);
}

ComPortNames safePortNames()
{
    ComPortNames names(Settings(missingDevicePath() + u".ini"_s));
    for (int n = 1; n <= 4; ++n)
        names.assign(n, missingDevicePath(n));
    return names;
}
