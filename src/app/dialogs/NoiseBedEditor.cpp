#include "app/dialogs/NoiseBedEditor.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

NoiseBedEditor::NoiseBedEditor(QWidget *parent)
    : QWidget(parent), mKind(new QComboBox(this)), mLevel(new QDoubleSpinBox(this))
{
    mKind->addItem(tr("None"), NoiseChoice::None);
    mKind->addItem(tr("White"), NoiseChoice::White);
    mKind->addItem(tr("Pink"), NoiseChoice::Pink);
    mKind->addItem(tr("Brown"), NoiseChoice::Brown);
    mKind->setAccessibleName(tr("Noise under the tones"));
    mLevel->setRange(NoiseChoice::QuietestLevel, NoiseChoice::LoudestLevel);
    mLevel->setDecimals(0);
    mLevel->setSuffix(tr(" dBFS"));
    mLevel->setAccessibleName(tr("Noise level"));
    mLevel->setToolTip(tr("The noise's RMS level in each ear; the tones peak at about -6 dBFS"));
    auto *label = new QLabel(tr("Noise under the &tones:"), this);
    label->setBuddy(mKind);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(mKind);
    layout->addWidget(new QLabel(tr("at"), this));
    layout->addWidget(mLevel);
    layout->addStretch();
    connect(mKind, &QComboBox::currentIndexChanged, this,
            [this] { mLevel->setEnabled(mKind->currentData().toInt() != NoiseChoice::None); });
    setChoice(NoiseChoice());
}

NoiseChoice NoiseBedEditor::choice() const
{
    return {NoiseChoice::Kind(mKind->currentData().toInt()), mLevel->value()};
}

void NoiseBedEditor::setChoice(const NoiseChoice &choice)
{
    mKind->setCurrentIndex(mKind->findData(choice.kind));
    mLevel->setValue(choice.level);
    mLevel->setEnabled(choice.kind != NoiseChoice::None);
}

QString NoiseBedEditor::text() const
{
    const NoiseChoice noise = choice();
    if (noise.kind == NoiseChoice::None)
        return NoiseChoice::kindName(noise.kind);
    return NoiseChoice::kindName(noise.kind) + u':' + QString::number(noise.level);
}
