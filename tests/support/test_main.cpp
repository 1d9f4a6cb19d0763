#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

// Every test program runs with a (headless) application object of the
// kind its suite links: windows where it has them, fonts and images where it
// draws, and an event loop alone for the core.
#if defined(QT_WIDGETS_LIB)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace {
// ctest runs each test as a program of its own, several at once: each keeps
// its settings, data and templates in a home of its own, so that no test
// sees another's Recent Files or notices. The programs it starts inherit it.
void useHomeOfThisProcess(const QTemporaryDir &home)
{
    const QDir dir(home.path());
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(variable, QFile::encodeName(dir.filePath(QString::fromLatin1(variable).toLower())));
    // The program's own settings file beside the test programs would be shared.
    QStandardPaths::setTestModeEnabled(true);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    useHomeOfThisProcess(home);
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
