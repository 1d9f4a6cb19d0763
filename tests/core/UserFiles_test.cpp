// The files every instance of the program shares: the settings, the
// preferences and the notices shown, stored whole, privately, and with the
// reason when they cannot be.
#include "SmallDisk.h"
#include "TestSupport.h"
#include "core/settings/Settings.h"
#include "core/settings/UserNotices.h"
#include "core/settings/UserPreferences.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

// Each file written once into a folder made for it.
const struct
{
    const char *name;
    std::function<bool(const QString &path)> store; // true when stored
} Stores[] = {
    {"MIRANDEL.INI", [](const QString &path) { return Settings(path).setPort(2); }},
    {"preferences.ini", [](const QString &path) { return UserPreferences(path).setLanguage(u"de"_s); }},
    {"notices.ini", [](const QString &path) { return !UserNotices::markShown(UserNotices::Safety, path); }},
};
} // namespace

TEST(UserFiles, AreForTheirOwnerAloneAndSoAreTheFoldersMadeForThem)
{
    for (const auto &c : Stores) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"config/Mirandel 2.0"_s);
        const QString path = folder + u'/' + QString::fromLatin1(c.name);
        ASSERT_TRUE(c.store(path));
        EXPECT_EQ(QFileInfo(path).permissions() & 0x7077, OwnerOnly);
        for (const QString &made : {folder, dir.filePath(u"config"_s)})
            EXPECT_EQ(QFileInfo(made).permissions() & 0x7077, OwnerOnly | QFile::ExeOwner) << made.toStdString();
    }
}

TEST(UserFiles, AFullDiskIsNamedWithTheFile)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    SmallDisk disk("size=64k");
    ASSERT_TRUE(disk.mounted);
    disk.addFiller(true);
    const QString preferences = disk.dir.filePath(u"preferences.ini"_s);
    UserPreferences chosen(preferences);
    EXPECT_FALSE(chosen.setNoiseBed(u"pink:-20"_s));
    EXPECT_EQ(chosen.lastWriteError(), preferences + u" cannot be written: No space left on device"_s);
    EXPECT_EQ(chosen.noiseBed(), u"pink:-20"_s); // for this run
    const QString notices = disk.dir.filePath(u"notices.ini"_s);
    EXPECT_EQ(UserNotices::markShown(UserNotices::Safety, notices),
              notices + u" cannot be written: No space left on device"_s);
    Settings settings(disk.dir.filePath(u"MIRANDEL.INI"_s));
    EXPECT_FALSE(settings.setPort(3));
    EXPECT_EQ(settings.lastWriteError(), settings.path() + u" cannot be written: No space left on device"_s);
}

// What a killed first write leaves, an empty file, reads as no file.
TEST(UserFiles, AnEmptyFileGivesTheDefaultsAndIsWrittenAnew)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"MIRANDEL.INI"_s);
    writeFileBytes(path, QByteArray());
    Settings settings(path);
    EXPECT_EQ(settings.port(), 0);
    EXPECT_TRUE(settings.recentFiles().isEmpty());
    ASSERT_TRUE(settings.setPort(1));
    EXPECT_EQ(Settings(path).port(), 1);
}

// Two instances adding at the same moment, each with the file as it read it.
TEST(UserFiles, RecentFilesAddedAtOnceByTwoInstancesAreAllKept)
{
    for (int trial = 0; trial < 10; ++trial) {
        SCOPED_TRACE(trial);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"MIRANDEL.INI"_s);
        const auto addFour = [&path](char instance) {
            Settings settings(path);
            for (int i = 0; i < 4; ++i)
                settings.addRecentFile(u"/%1/%2.LSS"_s.arg(QLatin1Char(instance)).arg(i));
        };
        std::thread first(addFour, 'a');
        std::thread second(addFour, 'b');
        first.join();
        second.join();
        EXPECT_EQ(Settings(path).recentFiles().size(), 8);
    }
}
