#pragma once

#include "audio/NoiseBed.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;

// The noise under the tones, as the preview and audio exports take it: its
// kind and level side by side.
class NoiseBedEditor : public QWidget
{
    Q_OBJECT
public:
    explicit NoiseBedEditor(QWidget *parent = nullptr);

    NoiseChoice choice() const;
    void setChoice(const NoiseChoice &choice);
    // As UserPreferences keeps it.
    QString text() const;

    QComboBox *kindBox() const { return mKind; }
    QDoubleSpinBox *levelBox() const { return mLevel; }

private:
    QComboBox *mKind;
    QDoubleSpinBox *mLevel;
};
