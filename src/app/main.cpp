#include "app/MirandelWindows.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"
#include "core/settings/UserPreferences.h"
#include "core/settings/ProgramName.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <exception>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    // Answered before the GUI starts: they need no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts(ProgramName.data());
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs("usage: mirandel [FILE.LSS]\n"
                   "\n"
                   "Designs sessions for the Ambrion and Calidor light-and-sound devices. FILE.LSS, when\n"
                   "given, opens as the window first shows.\n"
                   "\n"
                   "  --help      print this and end\n"
                   "  --version   print the version and end\n"
                   "\n"
                   "mirandel-cli does the same work on the command line (mirandel-cli --help).\n",
                   stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramName);
    QApplication::setApplicationVersion(u"2.0"_s);
    // The menu entry's and the icon's name, as installed.
    const QString appId = u"org.mirandel.Mirandel"_s;
    QGuiApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));
    installTranslations(chosenLocale(UserPreferences().language()));

    QStringList arguments = QApplication::arguments().mid(1);
    // For start-up benchmarks: the whole start, ending at the main window's first paint.
    const bool quitAfterFirstPaint = arguments.removeAll(u"--quit-after-first-paint"_s) > 0;
    std::unique_ptr<MirandelWindows> windows;
    try {
        windows = std::make_unique<MirandelWindows>(arguments);
    } catch (const std::exception &) {
        QMessageBox::critical(nullptr, QString(),
                              QCoreApplication::translate("MainWindow", "Error loading program data.  Aborting."));
        return 1;
    }
    if (quitAfterFirstPaint)
        windows->quitAfterFirstPaint();
    const TerminationSignals terminationSignals(windows->recovery());
    windows->showAtStart();
    return app.exec();
}
