#pragma once

#include <QDialog>

class QPushButton;

// "New Session Type": Pulsed/Binaural Beats closes with No, Dual Binaural
// Beats with Yes. Created once and reused.
class SessionKindDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ResultNo = 7;
    static constexpr int ResultYes = 6;

    explicit SessionKindDialog(QWidget *parent = nullptr);

    // Controls, for tests
    QPushButton *pulsedButton() const { return mPulsedButton; }
    QPushButton *dualButton() const { return mDualButton; }

private:
    QPushButton *mPulsedButton;
    QPushButton *mDualButton;
};
