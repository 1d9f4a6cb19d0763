// The reference for the program's start: a bare Qt Widgets window, shown.
#include <QApplication>
#include <QMainWindow>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
}
