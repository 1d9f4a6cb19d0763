#include "session/forms/TForm2.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(u"New Session Type"_s);
    setFixedSize(319, 196);
    PulsedButton = new QPushButton(u"Pulsed/Binaural Beats"_s, this);
    PulsedButton->setGeometry(64, 40, 185, 33);
    DualButton = new QPushButton(u"Dual Binaural Beats"_s, this);
    DualButton->setGeometry(64, 104, 185, 33);
    connect(PulsedButton, &QPushButton::clicked, this, [this] { done(ResultNo); });
    connect(DualButton, &QPushButton::clicked, this, [this] { done(ResultYes); });
}
