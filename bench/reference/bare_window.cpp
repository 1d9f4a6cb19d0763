// The reference for the program's start: a bare Qt Widgets window, shown and
// painted once.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    new FirstPaintProbe(&window);
    window.show();
    return app.exec();
}
