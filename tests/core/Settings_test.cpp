#include "SmallDisk.h"
#include "TestSupport.h"
#include "core/settings/Settings.h"
#include "core/settings/ProgramFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

TEST(Settings, BesideTheProgramUnlessInstalledOrUnwritable)
{
    QTemporaryDir dir;
    const QString user = dir.filePath(u"config"_s);
    const QString build = dir.filePath(u"build/bin"_s);
    const QString installed = dir.filePath(u"usr/bin"_s);
    ASSERT_TRUE(QDir().mkpath(build));
    ASSERT_TRUE(QDir().mkpath(installed));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"usr/share/mirandel"_s)));
    const struct
    {
        QString programFolder;
        QString userFolder;
        QString expected;
    } cases[] = {
        {build + u'/', user, build + u"/MIRANDEL.INI"_s},
        {installed + u'/', user, user + u"/MIRANDEL.INI"_s},
        {dir.filePath(u"missing/bin/"_s), user, user + u"/MIRANDEL.INI"_s},
        {installed + u'/', QString(), installed + u"/MIRANDEL.INI"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Settings::pathFor(c.programFolder, c.userFolder), c.expected) << c.programFolder.toStdString();
    // Test programs run in test mode, each with a folder of its own.
    EXPECT_EQ(Settings::defaultPath(),
              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/MIRANDEL.INI"_s);
    QStandardPaths::setTestModeEnabled(false);
    EXPECT_EQ(Settings::defaultPath(), exeDirectory() + u"MIRANDEL.INI"_s);
    QStandardPaths::setTestModeEnabled(true);
}

TEST(Settings, ReadsTheIntegerOrZero)
{
    QTemporaryDir dir;
    const struct
    {
        const char *contents;
        int expected;
    } cases[] = {
        {"[Mirandel]\nPort=3\n", 3},
        {"[Mirandel]\nPort=7\n", 7}, // used without a range check
        {"[Mirandel]\nPort=COM2\n", 0},
        {"[Mirandel]\nPort=\n", 0},
        {"[Other]\nPort=2\n", 0},
        {"", 0},
    };
    int n = 0;
    for (const auto &c : cases) {
        // A file of its own per case: settings files are cached per path.
        const QString path = dir.filePath(u"case%1.ini"_s.arg(++n));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.contents);
        file.close();
        EXPECT_EQ(Settings(path).port(), c.expected) << c.contents;
    }
    EXPECT_EQ(Settings(dir.filePath(u"missing.ini"_s)).port(), 0);
}

TEST(Settings, WriteCreatesTheFileAndKey)
{
    QTemporaryDir dir;
    // The user's configuration folder may not exist yet.
    const QString path = dir.filePath(u"config/mirandel/MIRANDEL.INI"_s);
    Settings settings(path);
    ASSERT_TRUE(settings.setPort(0));
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value(u"Mirandel/Port"_s).toString(), u"0"_s);
    ASSERT_TRUE(settings.setPort(2));
    EXPECT_EQ(Settings(path).port(), 2);
}

TEST(Settings, UnwritableFileIsReportedNotFatal)
{
    EXPECT_FALSE(Settings(u"/dev/null/MIRANDEL.INI"_s).setPort(1));
}

TEST(Settings, RecentFilesReplaceTheListAndKeepThePort)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
    ASSERT_TRUE(settings.setPort(3));
    const QStringList lists[] = {
        {u"/a/one.LSS"_s, u"/b/two, three.LSS"_s, u"/c/\u00e9t\u00e9=1.LSS"_s},
        {u"/d/four.LSS"_s},
        {},
    };
    for (const QStringList &paths : lists) {
        ASSERT_TRUE(settings.setRecentFiles(paths));
        EXPECT_EQ(Settings(settings.path()).recentFiles(), paths);
    }
    EXPECT_EQ(settings.port(), 3);
    EXPECT_FALSE(Settings(u"/dev/null/MIRANDEL.INI"_s).setRecentFiles({u"/a.LSS"_s}));
}

TEST(Settings, AFailedWriteKeepsTheOldFile)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QByteArray old = "[Mirandel]\nPort=2\n\n[RecentFiles]\nFile1=/a/one.LSS\n";
    const struct
    {
        const char *name;
        const char *options; // nr_inodes=3: no room for a temporary file beside the old file and the filler
        bool full;
        bool written;
    } cases[] = {
        {"full disk", "size=64k", true, false},
        {"no room for a temporary file", "size=64k,nr_inodes=3", false, false}, // in place a crash could tear it
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SmallDisk disk(c.options);
        ASSERT_TRUE(disk.mounted);
        Settings settings(disk.dir.filePath(u"MIRANDEL.INI"_s));
        writeFileBytes(settings.path(), old);
        disk.addFiller(c.full);

        EXPECT_EQ(settings.setPort(4), c.written);
        EXPECT_EQ(settings.setRecentFiles({u"/b/two.LSS"_s, u"/c/three.LSS"_s}), c.written);
        if (!c.written) {
            EXPECT_EQ(readFileBytes(settings.path()), old);
        }
        EXPECT_EQ(settings.port(), c.written ? 4 : 2);
        EXPECT_EQ(settings.recentFiles().size(), c.written ? 2 : 1);
    }
}

TEST(Settings, AMalformedFileIsReadButNeverWritten)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
    // A line that is neither key nor comment: a rewrite would drop it.
    const QByteArray old = "[Mirandel]\nPort=3\n# not a comment here\n";
    writeFileBytes(settings.path(), old);

    EXPECT_EQ(settings.port(), 3);
    EXPECT_FALSE(settings.setPort(1));
    EXPECT_EQ(readFileBytes(settings.path()), old);
}

// The bytes after a start (which writes the port back where the file lacks
// it) and the changes that follow, as the program has always written them.
TEST(Settings, StartsAndChangesWriteTheseBytes)
{
    const struct
    {
        const char *before; // null: no file
        bool start;
        int port; // set after the start unless negative
        std::optional<QStringList> recent;
        const char *after;
    } cases[] = {
        {nullptr, true, -1, {}, "[Mirandel]\nPort=0\n"},
        {"[Mirandel]\nPort=abc\n", true, -1, {}, "[Mirandel]\nPort=0\n"},
        {"[Other]\nKey=1\n", true, -1, {}, "[Mirandel]\nPort=0\n\n[Other]\nKey=1\n"},
        {"; mine\n[Mirandel]\nPort = 2\n", true, -1, {}, "; mine\n[Mirandel]\nPort = 2\n"},
        {"; mine\n[Zeta]\nB=2\nA=1\n[Mirandel]\nPort=2\n[Ports]\nCOM1= /dev/ttyUSB0 \n", true, 3, {},
         "[Mirandel]\nPort=3\n\n[Ports]\nCOM1=/dev/ttyUSB0\n\n[Zeta]\nA=1\nB=2\n"},
        {nullptr, false, -1, QStringList{u"/a/b, c.LSS"_s, u"/d/\u00e9.LSS"_s},
         "[RecentFiles]\nFile1=\"/a/b, c.LSS\"\nFile2=/d/\xc3\xa9.LSS\n"},
        {"[Mirandel]\nPort=1\n\n[RecentFiles]\nFile1=/a.LSS\nFile2=/b.LSS\n", true, -1, QStringList(),
         "[Mirandel]\nPort=1\n"},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
        if (c.before)
            writeFileBytes(settings.path(), c.before);
        if (c.start && !settings.holdsPort()) {
            EXPECT_TRUE(settings.setPort(settings.port()));
        }
        if (c.port >= 0) {
            EXPECT_TRUE(settings.setPort(c.port));
        }
        if (c.recent) {
            EXPECT_TRUE(settings.setRecentFiles(*c.recent));
        }
        EXPECT_EQ(readFileBytes(settings.path()), QByteArray(c.after)) << (c.before ? c.before : "no file");
    }
}

TEST(Settings, NothingIsWrittenWhenNothingChanges)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
    writeFileBytes(settings.path(), "[Mirandel]\nPort=2\n\n[RecentFiles]\nFile1=/a.LSS\n");
    const QDateTime longAgo(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    QFile file(settings.path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_TRUE(settings.holdsPort());
    EXPECT_TRUE(settings.setPort(2));
    EXPECT_TRUE(settings.setRecentFiles({u"/a.LSS"_s}));
    EXPECT_EQ(QFileInfo(settings.path()).lastModified(), longAgo);

    // Changed by someone else, the file is read again.
    writeFileBytes(settings.path(), "[Ports]\nCOM2=/dev/ttyUSB1\n");
    EXPECT_EQ(settings.portDevice(2), u"/dev/ttyUSB1"_s);
    EXPECT_FALSE(settings.holdsPort());
}

// A device named for a COM port goes under [Ports]; none drops the entry.
TEST(Settings, PortDevicesAreWrittenUnderPortsAndDroppedWhenNone)
{
    const struct
    {
        const char *before;
        int comNumber;
        QString device;
        const char *after;
    } cases[] = {
        {"[Mirandel]\nPort=2\n", 2, u"/dev/ttyUSB0"_s, "[Mirandel]\nPort=2\n\n[Ports]\nCOM2=/dev/ttyUSB0\n"},
        {"[Ports]\nCOM1=/dev/ttyACM0\nCOM2=/dev/ttyUSB0\n", 1, QString(), "[Ports]\nCOM2=/dev/ttyUSB0\n"},
        {"[Ports]\nCOM4=/dev/ttyS9\n", 4, u"/tmp/my device, 2"_s, "[Ports]\nCOM4=\"/tmp/my device, 2\"\n"},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
        writeFileBytes(settings.path(), c.before);
        EXPECT_TRUE(settings.setPortDevice(c.comNumber, c.device)) << c.before;
        EXPECT_EQ(readFileBytes(settings.path()), QByteArray(c.after)) << c.before;
        EXPECT_EQ(Settings(settings.path()).portDevice(c.comNumber), c.device) << c.before;
    }
}

// Keys the program never writes itself come back as they were read, and the
// file they are rewritten into takes every later change.
TEST(Settings, HandWrittenKeysSurviveARewrite)
{
    const struct
    {
        const char *before;
        const char *after;
    } cases[] = {
        {"[Ports]\nCOM1/=/dev/ttyS4\n", "[Ports]\nCOM1%2F=/dev/ttyS4\n\n[RecentFiles]\nFile1=/a.LSS\n"},
        {"[Ports]\nCOM1%2F=/dev/ttyS4\n", "[Ports]\nCOM1%2F=/dev/ttyS4\n\n[RecentFiles]\nFile1=/a.LSS\n"},
        {"key/=1\n", "[RecentFiles]\nFile1=/a.LSS\n\n[key]\n=1\n"},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
        writeFileBytes(settings.path(), c.before);
        EXPECT_TRUE(settings.setRecentFiles({u"/a.LSS"_s})) << c.before;
        EXPECT_EQ(readFileBytes(settings.path()), QByteArray(c.after)) << c.before;
        EXPECT_TRUE(settings.setPort(2)) << c.before;
        EXPECT_EQ(Settings(settings.path()).port(), 2) << c.before;
    }
}

TEST(Settings, TheFileIsForItsOwnerAloneAndSoIsAFolderMadeForIt)
{
    const struct
    {
        const char *folder;                   // below the temporary folder
        std::optional<QFile::Permissions> old; // an existing file's
    } cases[] = {
        {"config/Mirandel 2.0", std::nullopt},
        {"", std::nullopt},
        {"", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther},
    };
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.folder);
        QTemporaryDir dir;
        const QString folder = *c.folder ? dir.filePath(QString::fromLatin1(c.folder)) : dir.path();
        // A folder that exists, as the program's own, keeps its permissions.
        const QFile::Permissions shared = ownerOnly | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        ASSERT_TRUE(QFile::setPermissions(dir.path(), shared));
        Settings settings(QDir(folder).filePath(u"MIRANDEL.INI"_s));
        if (c.old) {
            writeFileBytes(settings.path(), "[Mirandel]\nPort=1\n");
            ASSERT_TRUE(QFile::setPermissions(settings.path(), *c.old));
        }
        ASSERT_TRUE(settings.setPort(3));
        EXPECT_EQ(QFileInfo(settings.path()).permissions() & 0x7077, ownerOnly);
        for (QString made = folder; made != dir.path(); made = QFileInfo(made).path())
            EXPECT_EQ(QFileInfo(made).permissions() & 0x7077, ownerOnly | QFile::ExeOwner) << made.toStdString();
        EXPECT_EQ(QFileInfo(dir.path()).permissions() & 0x7077, shared);
    }
}
