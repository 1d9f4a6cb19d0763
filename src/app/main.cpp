#include "app/MirandelWindows.h"
#include "core/settings/ProgramName.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <exception>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    // Answered before the GUI starts: it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts(ProgramName.data());
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramName);
    QApplication::setApplicationVersion(u"2.0"_s);
    // The menu entry's and the icon's name, as installed.
    const QString appId = u"org.mirandel.Mirandel"_s;
    QGuiApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));

    std::unique_ptr<MirandelWindows> windows;
    try {
        windows = std::make_unique<MirandelWindows>(QApplication::arguments().mid(1));
    } catch (const std::exception &) {
        QMessageBox::critical(nullptr, QString(), u"Error loading program data.  Aborting."_s);
        return 1;
    }
    windows->showAtStart();
    return app.exec();
}
