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

// The exit status, or nothing when strace killed the program at the nth
// call of call. A folder's permissions stop no root: as root it runs as nobody.
std::optional<int> resaveKilledAt(const char *call, int nth, const QString &in, const QString &out)
{
    QStringList command{u"strace"_s, u"-f"_s, u"-qq"_s, u"-o"_s, u"/dev/null"_s,
                        u"-e"_s, u"trace=%1"_s.arg(QLatin1String(call)), u"-e"_s,
                        u"inject=%1:signal=SIGKILL:when=%2"_s.arg(QLatin1String(call)).arg(nth),
                        builtProgramPath(u"mirandel-cli"_s), u"resave"_s, in, out};
    if (::getuid() == 0)
        command = QStringList{u"setpriv"_s, u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s} + command;
    QProcess process;
    // A leak checker cannot work under a tracer: it would end every run with an error.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"ASAN_OPTIONS"_s, environment.value(u"ASAN_OPTIONS"_s) + u":detect_leaks=0"_s);
    process.setProcessEnvironment(environment);
    process.start(command.first(), command.mid(1));
    const bool finished = process.waitForFinished(30000);
    if (finished && process.exitStatus() == QProcess::CrashExit)
        return std::nullopt;
    return finished ? process.exitCode() : -1;
}

void setMode(const QString &path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0) << path;
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
    } cases[] = {{"a read-only folder holding a writable file", 0555, 1}, {"a writable folder", 0777, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        setMode(dir.path(), 0755);
        const QString folder = dir.filePath(u"folder"_s);
        const QString out = folder + u"/out.LSS"_s;
        ASSERT_TRUE(QDir().mkdir(folder));
        int kills = 0;
        for (const char *call : SaveCalls) {
            for (int nth = 1;; ++nth, ++kills) {
                setMode(folder, 0777);
                QFile::remove(out);
                writeFileBytes(out, oldBytes);
                setMode(out, 0666);
                setMode(folder, c.folderMode);

                const std::optional<int> exitCode = resaveKilledAt(call, nth, in, out);
                const QByteArray bytes = readFileBytes(out);
                ASSERT_TRUE(bytes == oldBytes || bytes == newBytes) << call << " #" << nth << ": " << bytes.size();
                if (exitCode) {
                    EXPECT_EQ(*exitCode, c.exitCode) << call;
                    // The save that ran to its end cleared the temporary files of those killed.
                    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList(u"out.LSS"_s)) << call;
                    EXPECT_EQ(bytes, c.exitCode == 0 ? newBytes : oldBytes) << call;
                    break;
                }
            }
        }
        EXPECT_GT(kills, 0) << "strace killed nothing";
        setMode(folder, 0777);
    }
}
