#include "files/forms/TForm5.h"

using namespace Qt::Literals::StringLiterals;

TForm5::TForm5(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(u"Enter Session Name"_s);
    setFixedSize(340, 243);
}
