#pragma once

#include <QDialog>

class QPushButton;

// "New Session Type": Pulsed/Binaural Beats closes with No, Dual Binaural
// Beats with Yes. Created once and reused.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ResultNo = 7;
    static constexpr int ResultYes = 6;

    explicit TForm2(QWidget *parent = nullptr);

    QPushButton *PulsedButton;
    QPushButton *DualButton;
};
