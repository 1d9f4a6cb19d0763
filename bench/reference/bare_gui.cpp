// The reference for a command-line call that draws: a bare GUI application.
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    return 0;
}
