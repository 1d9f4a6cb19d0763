#include "files/forms/TForm9.h"

using namespace Qt::Literals::StringLiterals;

TForm9::TForm9(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(u"Session Description"_s);
    setFixedSize(543, 271);
}
