#include "PseudoTerminal.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

PseudoTerminal::PseudoTerminal() = default;

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

void PseudoTerminal::fail(const char *what)
{
    mError = u"%1: %2"_s.arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno)));
}

bool PseudoTerminal::open()
{
    mMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (mMaster < 0) {
        fail("posix_openpt");
        return false;
    }
    if (::grantpt(mMaster) != 0 || ::unlockpt(mMaster) != 0) {
        fail("grantpt");
        return false;
    }
    const char *name = ::ptsname(mMaster);
    if (!name) {
        fail("ptsname");
        return false;
    }
    mDevicePath = QString::fromLocal8Bit(name);
    mSlave = ::open(name, O_RDWR | O_NOCTTY);
    if (mSlave < 0) {
        fail("open");
        return false;
    }
    // Raw, so that nothing is echoed or translated before the program sets
    // the line up itself.
    termios settings{};
    ::tcgetattr(mSlave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(mSlave, TCSANOW, &settings);
    ::fcntl(mMaster, F_SETFL, ::fcntl(mMaster, F_GETFL) | O_NONBLOCK);
    return true;
}

bool PseudoTerminal::createLink(const QString &linkPath)
{
    QFile::remove(linkPath);
    if (!QFile::link(mDevicePath, linkPath)) {
        mError = u"cannot create the link %1"_s.arg(linkPath);
        return false;
    }
    mLinkPath = linkPath;
    return true;
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(mMaster, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (n > 0)
            done += n;
    }
    return true;
}

QByteArray PseudoTerminal::read(qint64 maxBytes)
{
    QByteArray bytes;
    char chunk[4096];
    while (maxBytes < 0 || bytes.size() < maxBytes) {
        const qint64 wanted = maxBytes < 0 ? qint64(sizeof chunk) : std::min<qint64>(sizeof chunk, maxBytes - bytes.size());
        const ssize_t n = ::read(mMaster, chunk, size_t(wanted));
        if (n <= 0)
            break;
        bytes.append(chunk, n);
    }
    return bytes;
}

void PseudoTerminal::stopHostOutput()
{
    ::tcflow(mSlave, TCOOFF);
}

void PseudoTerminal::hangUp()
{
    if (mMaster >= 0)
        ::close(mMaster);
    if (mSlave >= 0)
        ::close(mSlave);
    mMaster = mSlave = -1;
    if (!mLinkPath.isEmpty())
        QFile::remove(mLinkPath);
    mLinkPath.clear();
}
