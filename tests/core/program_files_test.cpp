#include "TestSupport.h"
#include "session/ProgramFiles.h"

#include <QDir>
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
