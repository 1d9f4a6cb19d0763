#include "session/forms/SessionKindDialog.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

SessionKindDialog::SessionKindDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(u"New Session Type"_s);
    setFixedSize(319, 196);
    mPulsedButton = new QPushButton(u"Pulsed/Binaural Beats"_s, this);
    mPulsedButton->setGeometry(64, 40, 185, 33);
    mDualButton = new QPushButton(u"Dual Binaural Beats"_s, this);
    mDualButton->setGeometry(64, 104, 185, 33);
    connect(mPulsedButton, &QPushButton::clicked, this, [this] { done(ResultNo); });
    connect(mDualButton, &QPushButton::clicked, this, [this] { done(ResultYes); });
}
