#include "TestSupport.h"
#include "session/ProgramFiles.h"
#include "session/ProgramModules.h"
#include "views/HelpTopics.h"

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

TEST(ProgramModules, BesideTheProgramOrInstalled)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString module = u"libmirandel_sound.so"_s;
    for (const char *folder : {"build/bin", "usr/bin", "usr/lib/mirandel", "opt/bin"})
        ASSERT_TRUE(QDir(root).mkpath(QString::fromLatin1(folder)));
    for (const char *file : {"build/bin/", "usr/lib/mirandel/"})
        ASSERT_TRUE(QFile(root + u'/' + QString::fromLatin1(file) + module).open(QIODevice::WriteOnly));
    const struct
    {
        QString programFolder;
        QString path;
    } cases[] = {
        {root + u"/build/bin"_s, root + u"/build/bin/"_s + module},
        {root + u"/usr/bin"_s, root + u"/usr/lib/mirandel/"_s + module},
        {root + u"/opt/bin"_s, root + u"/opt/bin/"_s + module}, // missing: loading says so
    };
    for (const auto &c : cases)
        EXPECT_EQ(programModulePath(u"sound"_s, c.programFolder), c.path) << c.programFolder.toStdString();

    QString error;
    EXPECT_EQ(loadProgramModule(u"missing"_s, &error), nullptr);
    EXPECT_TRUE(error.contains(u"libmirandel_missing.so"_s)) << error.toStdString();
}
