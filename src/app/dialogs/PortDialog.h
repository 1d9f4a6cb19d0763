#pragma once

#include <QDialog>

class DeviceLink;
class PortDeviceDialog;
class Prompter;
class Settings;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;

// "COM Port Selection": the user picks the port the device hangs on. Each
// pick is tried at once; only OK makes it the port in force. Beside each port
// stands the device it opens, and "Device…" chooses another: that choice is
// saved in the settings at once, and the port is picked. "Check System
// Connection" goes on while the dialog stays alive; only Cancel is open to
// the user meanwhile, and it ends the check.
class PortDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PortDialog(QWidget *parent = nullptr);

    // Shows the dialog modally for the port in force. On OK the choice
    // becomes comPortNumber and is written to the settings ("Unable to write
    // to %s" when that fails); Cancel and the close box change nothing.
    // True on OK.
    bool choosePort(DeviceLink &link, Prompter &prompter, int &comPortNumber, Settings &settings);

    // The dialog's current choice.
    int pendingPort() const { return mPendingPort; }

    // Controls, for tests
    QRadioButton *portButton(int n) const;
    // The device that COM port n opens here, beside its button.
    QLabel *deviceLabel(int n) const { return mDeviceLabels.at(n - 1); }
    QPushButton *deviceButton(int n) const { return mDeviceButtons.at(n - 1); }
    // Made when first wanted.
    PortDeviceDialog *deviceDialog();
    QPushButton *okButton() const { return mOkButton; }
    QPushButton *cancelButton() const { return mCancelButton; }
    QPushButton *checkButton() const { return mCheckButton; }

public slots:
    void reject() override;

private:
    // Clears the marks, marks the port in force and makes it the choice.
    void showSelection();
    // A click on the radio button of port n: tries the port.
    void tryPort(int n);
    void checkConnection();
    void connectionChecked(bool found);
    // Everything but Cancel waits while the device is asked.
    void setChecking(bool checking);
    void startSelection();
    void showDevices();
    void chooseDevice(int n);

    int mPortInForce = 0; // while the dialog is open
    int mPendingPort = 0;
    QPushButton *mOkButton;
    QPushButton *mCancelButton;
    QPushButton *mCheckButton;
    QTextEdit *mInstructions;
    QList<QLabel *> mDeviceLabels;
    QList<QPushButton *> mDeviceButtons;
    PortDeviceDialog *mDeviceDialog = nullptr;

    QButtonGroup *mPorts;
    DeviceLink *mLink = nullptr;
    Prompter *mPrompter = nullptr;
    Settings *mSettings = nullptr;
    bool mChecking = false;
};
