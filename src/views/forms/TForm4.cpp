#include "views/forms/TForm4.h"

using namespace Qt::Literals::StringLiterals;

TForm4::TForm4(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(u"Veltrano Mirandel"_s);
    setGeometry(298, 105, 433, 474);
}
