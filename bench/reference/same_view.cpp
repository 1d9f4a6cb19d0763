// The floor for the program's start: a bare Qt program that shows only what
// the program shows at its start, and does nothing else: a main window of
// the same size on an 800 pixel wide screen, with the same menu titles and a
// line of text, and a text window of the introduction's size on top of it,
// ending at the main window's first paint.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *title : {"&File", "&Edit", "&Download", "&View", "&Preview", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    window.setCentralWidget(new QLabel(QStringLiteral("Open a session with File Open")));
    window.resize(763, 471);
    new FirstPaintProbe(&window);
    window.show();
    QLabel introduction(QStringLiteral("Welcome\nPress any key to continue..."));
    introduction.resize(626, 404);
    introduction.show();
    return app.exec();
}
