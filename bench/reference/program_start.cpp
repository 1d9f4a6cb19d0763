// The program's start as its main() does it, ending once the main window is
// shown.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/settings/ProgramName.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramName);
    MirandelWindows windows(QApplication::arguments().mid(1));
    windows.showAtStart();
    return QTest::qWaitForWindowExposed(windows.mainWindow.get()) ? 0 : 1;
}
