#include "app/dialogs/SessionKindDialog.h"

#include <QLabel>
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
    addDescription(mPulsedButton, u"Pulsed tones or a binaural beat, with ramps"_s);
    addDescription(mDualButton, u"Two binaural beats at once, each with its own pitch"_s);
    connect(mPulsedButton, &QPushButton::clicked, this, [this] { done(ResultNo); });
    connect(mDualButton, &QPushButton::clicked, this, [this] { done(ResultYes); });
}

void SessionKindDialog::addDescription(QPushButton *button, const QString &text)
{
    button->setAccessibleDescription(text);
    auto *label = new QLabel(text, this);
    QFont small = label->font();
    small.setPixelSize(11);
    label->setFont(small);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(0, button->geometry().bottom() + 3, width(), 18);
}
