#pragma once

#include <QDialog>

class DeviceLink;
class Prompter;
class QButtonGroup;
class QPushButton;
class QRadioButton;
class QTextEdit;

// "COM Port Selection": the user picks the port the device hangs on. Each
// pick is tried at once; only OK makes it the port in force.
class TForm8 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    // Shows the dialog modally for the port in force. On OK the choice
    // becomes comPortNumber and is written to settingsFile ("Unable to write
    // to %s" when that fails); Cancel and the close box change nothing.
    // True on OK.
    bool choosePort(DeviceLink &link, Prompter &prompter, int &comPortNumber, const QString &settingsFile);

    int ComPortNumber = 0;     // the port in force while the dialog is open
    int PendingPortNumber = 0; // the dialog's current choice

    QRadioButton *SelectCom1;
    QRadioButton *SelectCom2;
    QRadioButton *SelectCom3;
    QRadioButton *SelectCom4;
    QPushButton *OKButton;
    QPushButton *CancelButton;
    QPushButton *ChkCommButton;
    QTextEdit *Memo1;

    // Clears the marks, marks the port in force and makes it the choice.
    void ShowSelection();
    // A click on the radio button of port n: tries the port.
    void ComClick(int n);
    void ChkCommClick();

private:
    QRadioButton *radioOf(int n) const;
    void FormOn();

    QButtonGroup *mPorts;
    DeviceLink *mLink = nullptr;
    Prompter *mPrompter = nullptr;
};
