#include "TestSupport.h"
#include "session/PortSetting.h"
#include "session/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(TextBeforeLast, Cases)
{
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        {"", ""},
        {"\\", "\\"},
        {"a", "a"},
        {"C:\\LS\\MIRANDEL.EXE", "C:\\LS"},
        {"\\prog", "\\prog"},     // found at the first position: the whole text
        {"abc\\", ""},            // the last character is not searched
        {"a\\b\\", "a"},
        {"nothing here", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextBeforeLast(QString::fromLatin1(c.text), u'\\'), QString::fromLatin1(c.expected)) << c.text;
}

TEST(ExeDirectory, EndsWithTheSeparator)
{
    const QString directory = ExeDirectory();
    EXPECT_TRUE(directory.endsWith(QDir::separator()));
    EXPECT_TRUE(QDir(directory).exists());
    EXPECT_EQ(SettingsFilePath(), directory + u"MIRANDEL.INI"_s);
}

TEST(PortSetting, ReadsTheIntegerOrZero)
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
        EXPECT_EQ(ReadPortSetting(path), c.expected) << c.contents;
    }
    EXPECT_EQ(ReadPortSetting(dir.filePath(u"missing.ini"_s)), 0);
}

TEST(PortSetting, WriteCreatesTheFileAndKey)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"MIRANDEL.INI"_s);
    ASSERT_TRUE(WritePortSetting(path, 0));
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_EQ(settings.value(u"Mirandel/Port"_s).toString(), u"0"_s);
    ASSERT_TRUE(WritePortSetting(path, 2));
    EXPECT_EQ(ReadPortSetting(path), 2);
}

TEST(PortSetting, UnwritableFileIsReportedNotFatal)
{
    EXPECT_FALSE(WritePortSetting(u"/dev/null/MIRANDEL.INI"_s, 1));
}
