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
    // One line under the button: what that kind of session is for.
    void addDescription(QPushButton *button, const QString &text);

    QPushButton *mPulsedButton;
    QPushButton *mDualButton;
};
