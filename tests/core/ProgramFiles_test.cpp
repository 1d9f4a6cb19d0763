#include "TestSupport.h"
#include "core/settings/ProgramFiles.h"
#include "core/help/HelpTopics.h"

#include <QDir>
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
        EXPECT_EQ(textBeforeLast(QString::fromLatin1(c.text), u'\\'), QString::fromLatin1(c.expected)) << c.text;
}

TEST(ExeDirectory, EndsWithTheSeparator)
{
    const QString directory = exeDirectory();
    EXPECT_TRUE(directory.endsWith(QDir::separator()));
    EXPECT_TRUE(QDir(directory).exists());
}

TEST(HelpFolder, BesideTheProgramOrInstalled)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char *folder : {"build/bin/help", "usr/bin", "usr/share/mirandel/help", "opt/bin"})
        ASSERT_TRUE(QDir(root).mkpath(QString::fromLatin1(folder)));
    const struct
    {
        QString programFolder;
        QString installedData;
        QString help;
    } cases[] = {
        {root + u"/build/bin/"_s, QString(), root + u"/build/bin/help"_s},
        {root + u"/usr/bin/"_s, root + u"/usr/share/mirandel"_s, root + u"/usr/share/mirandel/help"_s},
        {root + u"/opt/bin/"_s, QString(), root + u"/opt/bin/help"_s}, // missing: the viewer says so
    };
    for (const auto &c : cases) {
        EXPECT_EQ(installedDataFolder(c.programFolder), c.installedData) << c.programFolder.toStdString();
        EXPECT_EQ(HelpTopics::helpFolder(c.programFolder), c.help) << c.programFolder.toStdString();
    }
}
