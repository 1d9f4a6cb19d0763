#include "SmallDisk.h"
#include "TestSupport.h"
#include "device/Settings.h"
#include "session/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
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
    EXPECT_EQ(Settings::defaultPath(), exeDirectory() + u"MIRANDEL.INI"_s);
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
        {"no room for a temporary file", "size=64k,nr_inodes=3", false, true},
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

TEST(Settings, WithoutAScratchFolderReadsButNeverWrites)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
    const QByteArray old = "[Mirandel]\nPort=3\n";
    writeFileBytes(settings.path(), old);
    const QByteArray tempFolder = qgetenv("TMPDIR");
    // A file where the temporary folder should be.
    qputenv("TMPDIR", QFile::encodeName(settings.path()));

    EXPECT_EQ(settings.port(), 3);
    EXPECT_FALSE(settings.setPort(1));
    EXPECT_EQ(readFileBytes(settings.path()), old);

    if (tempFolder.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tempFolder);
}
