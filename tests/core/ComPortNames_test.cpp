#include "TestSupport.h"

#include "core/device/ComPortNames.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(ComPortNames, SettingsFileMapsPortsAndAssignedDevicesWin)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"MIRANDEL.INI"_s);
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Mirandel]\nPort=2\n\n[Ports]\nCOM1=/dev/ttyUSB0\nCOM3= /dev/ttyACM1 \n");
    file.close();

    ComPortNames names{Settings(ini)};
    names.assign(3, u"/tmp/devsim"_s);
    struct Case
    {
        int comNumber;
        QString device;
    } const cases[] = {
        {1, u"/dev/ttyUSB0"_s}, // from the file
        {2, u"/dev/ttyS1"_s},   // the system's own name
        {3, u"/tmp/devsim"_s},  // assigned
        {4, u"/dev/ttyS3"_s},
    };
    for (const Case &c : cases)
        EXPECT_EQ(names.systemPortName(c.comNumber), c.device) << "COM" << c.comNumber;
}

TEST(ComPortNames, WithoutSettingsFileThePortsAreTheSystemsFirstFour)
{
    const ComPortNames names(Settings(u"/nonexistent/MIRANDEL.INI"_s));
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(names.systemPortName(n), u"/dev/ttyS%1"_s.arg(n - 1));
}
