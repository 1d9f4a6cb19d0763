// Recovery copies of several instances in one data folder, their format and
// their permissions.
#include "TestSupport.h"
#include "core/files/RecoveryCopy.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const FileFingerprint SomeFile{true, 4711, 1765190000123, QByteArray(32, '\xab')};

QFileDevice::Permissions modeOf(const QString &path)
{
    constexpr QFileDevice::Permissions Mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
        | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return QFileInfo(path).permissions() & Mode;
}
} // namespace

TEST(RecoveryCopyTest, EveryPathAndFileComeBackAsWritten)
{
    const struct
    {
        const char *path;
        FileFingerprint file;
    } cases[] = {
        {"", {}},
        {"/tmp/dir/nl\nname.LSS", SomeFile},
        {"/tmp/\r\n\xef\xbb\xbf\xc3\xa9t\xc3\xa9 \xe2\x80\x94 %1.LSS", SomeFile},
        {"\xef\xbb\xbf/tmp/a.LSS", {}},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        const RecoveredSession session{QString::fromUtf8(c.path), c.file, "NAME=x\r\n\nSEG\r\n"};
        RecoveryCopy copy(dir.path());
        ASSERT_EQ(copy.write(session), std::nullopt);
        EXPECT_EQ(copy.read(), session);
        copy.remove();
    }
}

TEST(RecoveryCopyTest, OnlyAWholeCopyIsRead)
{
    const QByteArray whole = recoveryCopyBytes({u"/tmp/\u00e9.LSS"_s, SomeFile, "NAME=x"});
    const qsizetype pathStart = 25 + 4;
    const qsizetype fingerprintStart = pathStart + 11;
    const struct
    {
        const char *fault;
        QByteArray bytes;
    } cases[] = {
        {"another signature", QByteArray(whole).replace("copy 2", "copy 3")},
        {"path cut inside a character",
         whole.first(pathStart - 1) + '\x06' + whole.sliced(pathStart, 6) + whole.sliced(fingerprintStart)},
        {"path longer than the copy", whole.first(pathStart - 1) + '\x7f'},
        {"fingerprint neither there nor not", QByteArray(whole).replace(fingerprintStart, 1, "\x02")},
        {"fingerprint cut", whole.first(fingerprintStart + 1 + 16 + 31)},
    };
    ASSERT_EQ(parseRecoveryCopy(whole)->path, u"/tmp/\u00e9.LSS"_s);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        EXPECT_EQ(parseRecoveryCopy(c.bytes), std::nullopt);
    }
}

TEST(RecoveryCopyTest, ACopyIsTakenOverOnlyOnceItsInstanceHasEnded)
{
    const struct
    {
        const char *ending;
        std::function<void(const QString &)> leaveCopy;
    } cases[] = {
        {"ended without closing",
         [](const QString &folder) { RecoveryCopy(folder).write({u"a.LSS"_s, {}, "edited"}); }},
        {"killed",
         [](const QString &folder) {
             const pid_t child = fork();
             if (child == 0) {
                 RecoveryCopy(folder).write({u"a.LSS"_s, {}, "edited"});
                 raise(SIGKILL);
             }
             waitpid(child, nullptr, 0);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ending);
        QTemporaryDir dir;
        RecoveryCopy live(dir.path());
        ASSERT_EQ(live.write({u"live.LSS"_s, {}, "live"}), std::nullopt);
        RecoveryCopy second(dir.path());
        second.remove();
        EXPECT_FALSE(RecoveryCopy::takeOverLeftBehind(dir.path()));
        EXPECT_TRUE(live.exists());

        c.leaveCopy(dir.path());
        std::optional<RecoveryCopy> left = RecoveryCopy::takeOverLeftBehind(dir.path());
        ASSERT_TRUE(left);
        EXPECT_EQ(left->read(), (RecoveredSession{u"a.LSS"_s, {}, "edited"}));
        EXPECT_FALSE(RecoveryCopy::takeOverLeftBehind(dir.path())) << "taken over by another";
        left->remove();
        EXPECT_TRUE(live.exists());
    }
}

TEST(RecoveryCopyTest, TheNewestCopyLeftBehindComesFirst)
{
    QTemporaryDir dir;
    for (const char *name : {"older.LSS", "newer.LSS"}) {
        RecoveryCopy copy(dir.path());
        copy.write({QString::fromUtf8(name), {}, {}});
        QFile file(copy.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(name[0] == 'o' ? -60 : 0),
                         QFileDevice::FileModificationTime);
    }
    std::optional<RecoveryCopy> first = RecoveryCopy::takeOverLeftBehind(dir.path());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->read()->path, u"newer.LSS"_s);
}

TEST(RecoveryCopyTest, TheCopyIsTheOwnersAloneInAFolderMadeForHim)
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), modeOf(dir.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString folder = dir.filePath(u"data/Mirandel"_s);
    RecoveryCopy copy(folder);
    ASSERT_EQ(copy.write({u"a.LSS"_s, {}, "edited"}), std::nullopt);
    constexpr QFileDevice::Permissions OwnerReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    EXPECT_EQ(modeOf(copy.filePath()), OwnerReadWrite);
    EXPECT_EQ(modeOf(folder), OwnerReadWrite | QFileDevice::ExeOwner);
    EXPECT_TRUE(modeOf(dir.path()) & QFileDevice::ReadOther) << "a folder not made for the copy is left as it was";
}
