#pragma once

#include <QByteArray>
#include <QString>

// The device's end of a pseudo-terminal. The other end behaves like a serial
// port for the program under test. The device keeps that end open itself, so
// that the line survives the program closing and reopening its port.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // False (with errorText) when the system gives no pseudo-terminal.
    bool open();
    QString errorText() const { return mError; }
    QString devicePath() const { return mDevicePath; }
    int fd() const { return mMaster; }

    // Also reachable as linkPath (a symbolic link, removed again on close).
    bool createLink(const QString &linkPath);

    bool write(const QByteArray &bytes);
    // Reads what has arrived, at most maxBytes unless it is negative; empty
    // when nothing.
    QByteArray read(qint64 maxBytes = -1);
    // Stops the program's output, as a line that stalls.
    void stopHostOutput();
    // Drops the line, as an unplugged cable.
    void hangUp();

private:
    void fail(const char *what);

    int mMaster = -1;
    int mSlave = -1;
    QString mDevicePath;
    QString mLinkPath;
    QString mError;
};
