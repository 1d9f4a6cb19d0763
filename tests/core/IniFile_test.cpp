#include "core/settings/IniFile.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Files written by hand that the writer once turned into other keys or
// values, or into a file that no longer reads whole and so refuses every
// later change.
TEST(IniFile, WhatIsReadSurvivesARewrite)
{
    const struct
    {
        const char *bytes;
        const char16_t *key;
        QString value;
    } cases[] = {
        {"[Ports]\nCOM1/=/dev/ttyS4\n", u"Ports/COM1/", u"/dev/ttyS4"_s},
        {"[%2FPorts]\nCOM1=/dev/ttyS4\n", u"/Ports/COM1", u"/dev/ttyS4"_s},
        {"[Mirandel]\nPort=,3\n", u"Mirandel/Port", QString()},
        {"[%general]\nx=1\n", u"general/x", u"1"_s},
        {"a=\\n\xef\xbb\xbf" "b\n", u"a", u"\n\ufeffb"_s},
        {"a=\\xd800x\n", u"a", QString(QChar(0xd800)) + u'x'},
    };
    for (const auto &c : cases) {
        const IniFile read{QByteArray(c.bytes)};
        const IniFile rewritten(read.bytes());
        EXPECT_TRUE(rewritten.isWellFormed()) << c.bytes;
        EXPECT_EQ(rewritten, read) << c.bytes;
        EXPECT_EQ(rewritten.value(QString::fromUtf16(c.key)), c.value) << c.bytes;
    }
}
