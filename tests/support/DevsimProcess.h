#pragma once

#include "core/device/ComPortNames.h"

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

// A mirandel-devsim child: a virtual device on its own pseudo-terminal, with
// its JSON reports.
class DevsimProcess
{
public:
    explicit DevsimProcess(const QStringList &arguments = {});
    ~DevsimProcess();

    // The pseudo-terminal to open; empty when the device did not start.
    QString devicePath() const { return mDevicePath; }
    // The next report, waiting up to timeoutMs; an empty object when none came.
    QJsonObject nextReport(int timeoutMs = 3000);
    // The next report of the given event, skipping others.
    QJsonObject nextReport(const QString &event, int timeoutMs = 3000);
    // Every report that has arrived so far, collected for up to settleMs.
    QList<QJsonObject> reports(int settleMs = 0);
    bool isRunning() const { return mProcess.state() != QProcess::NotRunning; }

private:
    bool takeLine(QByteArray &line);

    QProcess mProcess;
    QString mDevicePath;
    QByteArray mReceived;
};

// Port names that can never reach a real serial port: all four COM ports
// lead to paths that do not exist until a test assigns one.
ComPortNames safePortNames();
// A path that no serial device will ever have.
QString missingDevicePath(int n = 0);
