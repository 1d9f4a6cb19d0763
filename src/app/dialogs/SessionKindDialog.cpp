#include "app/dialogs/SessionKindDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

using namespace Qt::Literals::StringLiterals;

SessionKindDialog::SessionKindDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("New Session Type"));
    setFixedSize(319, 196);
    mPulsedButton = new QPushButton(tr("Pulsed/Binaural Beats"), this);
    mPulsedButton->setGeometry(64, 40, 185, 33);
    mDualButton = new QPushButton(tr("Dual Binaural Beats"), this);
    mDualButton->setGeometry(64, 104, 185, 33);
    addDescription(mPulsedButton, tr("Pulsed tones or a binaural beat, with ramps"));
    addDescription(mDualButton, tr("Two binaural beats at once, each with its own pitch"));
    connect(mPulsedButton, &QPushButton::clicked, this, [this] { done(ResultNo); });
    connect(mDualButton, &QPushButton::clicked, this, [this] { done(ResultYes); });
    // The captions are fixed as they stand: an access key would mark one of
    // their letters, so the keys are shortcuts of the dialog, with or without Alt.
    for (const auto &[button, key] : {std::pair(mPulsedButton, Qt::Key_P), std::pair(mDualButton, Qt::Key_D)}) {
        for (const QKeyCombination keys : {QKeyCombination(key), QKeyCombination(Qt::AltModifier, key)}) {
            auto *shortcut = new QShortcut(QKeySequence(keys), this);
            connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        }
        button->setToolTip(tr("Key %1").arg(QKeySequence(key).toString(QKeySequence::NativeText)));
    }
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
