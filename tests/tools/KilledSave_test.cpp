// mirandel-cli resave killed at every call of each system call a save makes:
// the file it replaces holds its old bytes or the new ones, never a mix.
#include "TestSupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const char *const SaveCalls[] = {"openat", "write",  "fchmod",    "ftruncate", "fallocate", "fsync",
                                 "fdatasync", "linkat", "rename", "renameat2", "unlink",    "close"};

struct KilledRun
{
    bool killed = false;
    int exitCode = -1;
};

// strace kills the program at the nth call of call. A folder's permissions
// stop no root: as root the program runs as nobody.
KilledRun resaveKilledAt(const QString &call, int nth, const QString &in, const QString &out)
{
    QString program = u"strace"_s;
    QStringList arguments{u"-f"_s, u"-qq"_s, u"-o"_s, u"/dev/null"_s, u"-e"_s, u"trace="_s + call, u"-e"_s,
                          u"inject=%1:signal=SIGKILL:when=%2"_s.arg(call).arg(nth),
                          builtProgramPath(u"mirandel-cli"_s), u"resave"_s, in, out};
    if (::getuid() == 0) {
        arguments = QStringList{u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, program} + arguments;
        program = u"setpriv"_s;
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::CrashExit, process.exitCode()};
}
} // namespace

TEST(KilledSave, AKillAtAnyFileCallLeavesTheOldOrTheNewFile)
{
    if (QStandardPaths::findExecutable(u"strace"_s).isEmpty())
        GTEST_SKIP() << "strace is not installed (scripts/install-deps.sh installs it)";
    if (QProcess::execute(u"strace"_s, {u"-qq"_s, u"-o"_s, u"/dev/null"_s, u"true"_s}) != 0)
        GTEST_SKIP() << "strace cannot trace here: the system refuses ptrace";
    const QString in = testDataPath(u"new_pulsed.LSS"_s);
    const QByteArray newBytes = readFileBytes(in);
    const QByteArray oldBytes = readFileBytes(testDataPath(u"described.LSS"_s)); // longer: a mix would show
    const struct
    {
        const char *name;
        mode_t folderMode;
        int exitCode; // when no kill came
    } cases[] = {
        {"a read-only folder holding a writable file", 0555, 1},
        {"a writable folder", 0777, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"folder"_s);
        const QString out = folder + u"/out.LSS"_s;
        ASSERT_TRUE(QDir().mkdir(folder));
        ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
        int kills = 0;
        for (const char *call : SaveCalls) {
            for (int nth = 1;; ++nth) {
                ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
                QFile::remove(out);
                writeFileBytes(out, oldBytes);
                ASSERT_EQ(::chmod(QFile::encodeName(out).constData(), 0666), 0);
                ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), c.folderMode), 0);

                const KilledRun run = resaveKilledAt(QString::fromLatin1(call), nth, in, out);
                const QByteArray bytes = readFileBytes(out);
                ASSERT_TRUE(bytes == oldBytes || bytes == newBytes) << call << " #" << nth << ": " << bytes.size();
                if (!run.killed) {
                    EXPECT_EQ(run.exitCode, c.exitCode) << call;
                    EXPECT_EQ(bytes, c.exitCode == 0 ? newBytes : oldBytes) << call;
                    break;
                }
                ++kills;
            }
        }
        EXPECT_GT(kills, 0) << "strace killed nothing";
        ::chmod(QFile::encodeName(folder).constData(), 0777);
    }
}
