#include "device/forms/TForm8.h"

using namespace Qt::Literals::StringLiterals;

TForm8::TForm8(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(u"COM Port Selection"_s);
    setFixedSize(293, 292);
}
