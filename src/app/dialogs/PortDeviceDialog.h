#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

// "Device for COM n": the system device a COM port opens. It lists the
// system's serial ports afresh each time it opens, so an adapter plugged in
// meanwhile is there. A pseudo-terminal, such as the virtual device's, is no
// port the system lists: its path is typed or picked instead.
class PortDeviceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PortDeviceDialog(QWidget *parent = nullptr);

    // Shows the dialog modally with current chosen; standard is what the port
    // opens when the settings name nothing. The device on OK, nothing on Cancel.
    std::optional<QString> chooseDevice(int comNumber, const QString &current, const QString &standard);

    // Controls, for tests
    QListWidget *list() const { return mList; }
    QLineEdit *pathEdit() const { return mPath; }
    QPushButton *okButton() const { return mOkButton; }

private:
    void listDevices(const QString &current, const QString &standard);
    void browse();

    QListWidget *mList;
    QLineEdit *mPath;
    QPushButton *mOkButton;
};
