#include "app/dialogs/PortDialog.h"

#include "app/dialogs/PortDeviceDialog.h"
#include "core/device/ComPortNames.h"
#include "core/session/Prompter.h"
#include "core/settings/Settings.h"
#include "gui/device/DeviceLink.h"
#include "gui/device/SystemSerialPorts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// The devices and their buttons right of the port choices, which keep
// their places.
constexpr int DeviceLabelLeft = 248;
constexpr int DeviceLabelWidth = 168;
constexpr int DeviceButtonLeft = DeviceLabelLeft + DeviceLabelWidth + 4;
constexpr int DeviceButtonWidth = 60;
constexpr int DialogWidth = DeviceButtonLeft + DeviceButtonWidth + 8;
} // namespace

PortDialog::PortDialog(QWidget *parent)
    : QDialog(parent)
    , mPorts(new QButtonGroup(this))
{
    setWindowTitle(tr("COM Port Selection"));
    setFixedSize(DialogWidth, 292);
    // Where the dialog's own face is missing, one of the same width keeps
    // the texts inside their controls.
    QFont dialogFont;
    dialogFont.setFamilies({u"MS Sans Serif"_s, u"Arial"_s, u"Helvetica"_s, u"Nimbus Sans"_s, u"Liberation Sans"_s});
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    for (int n = 1; n <= 4; ++n) {
        auto *radio = new QRadioButton(tr("COM %1").arg(n), this);
        radio->setGeometry(40, 4 + 20 * n, 113, 17);
        mPorts->addButton(radio, n);
        connect(radio, &QRadioButton::clicked, this, [this, n] { tryPort(n); });
        auto *device = new QLabel(this);
        device->setGeometry(DeviceLabelLeft, 4 + 20 * n, DeviceLabelWidth, 17);
        device->setForegroundRole(QPalette::PlaceholderText);
        device->setAccessibleDescription(tr("Device of COM %1").arg(n));
        mDeviceLabels.append(device);
    }

    mOkButton = new QPushButton(tr("OK"), this);
    mOkButton->setGeometry(160, 32, 75, 25);
    mOkButton->setDefault(true);
    connect(mOkButton, &QPushButton::clicked, this, &QDialog::accept);
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setGeometry(160, 72, 75, 25);
    connect(mCancelButton, &QPushButton::clicked, this, &QDialog::reject);
    mCheckButton = new QPushButton(tr("Check System Connection"), this);
    mCheckButton->setGeometry(64, 120, 145, 25);
    connect(mCheckButton, &QPushButton::clicked, this, &PortDialog::checkConnection);
    // Made after the port choices and buttons: last in the tab order.
    for (int n = 1; n <= 4; ++n) {
        auto *button = new QPushButton(tr("Device\u2026"), this);
        button->setGeometry(DeviceButtonLeft, 3 + 20 * n, DeviceButtonWidth, 19);
        button->setAutoDefault(false);
        // Four buttons of the same text: the name tells them apart.
        button->setAccessibleName(tr("Device for COM %1").arg(n));
        connect(button, &QPushButton::clicked, this, [this, n] { chooseDevice(n); });
        mDeviceButtons.append(button);
    }

    mInstructions = new QTextEdit(this);
    mInstructions->setGeometry(40, 168, 201, 81);
    mInstructions->setReadOnly(true);
    mInstructions->setAccessibleName(tr("Instructions"));
    mInstructions->setFocusPolicy(Qt::NoFocus);
    mInstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mInstructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mInstructions->document()->setDocumentMargin(2);
    const QStringList lines = {tr("Select the COM port that the "), tr("Light/Sound system is connected to."),
                               tr("With the system turned on, use "), tr("\"Check System Connection\" to verify."),
                               tr("When selection works, press OK. ")};
    mInstructions->setPlainText(lines.join(u'\n'));
    QTextCursor all(mInstructions->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

bool PortDialog::choosePort(DeviceLink &link, Prompter &prompter, int &comPortNumber, Settings &settings)
{
    mLink = &link;
    mPrompter = &prompter;
    mSettings = &settings;
    mPortInForce = comPortNumber;
    startSelection();
    const QMetaObject::Connection checked =
        connect(&link, &DeviceLink::identificationFinished, this, &PortDialog::connectionChecked);
    const bool accepted = exec() == QDialog::Accepted;
    disconnect(checked);
    if (!accepted)
        return false;
    comPortNumber = mPendingPort;
    if (!settings.setPort(comPortNumber))
        prompter.errorWithDetails(tr("Unable to write to %1").arg(settings.path()), settings.lastWriteError());
    return true;
}

QRadioButton *PortDialog::portButton(int n) const
{
    return qobject_cast<QRadioButton *>(mPorts->button(n));
}

PortDeviceDialog *PortDialog::deviceDialog()
{
    if (!mDeviceDialog)
        mDeviceDialog = new PortDeviceDialog(this);
    return mDeviceDialog;
}

void PortDialog::showDevices()
{
    // The mapping is read at every open, so it is shown afresh too, with what
    // the system tells of each device it lists.
    const QList<SystemSerialPort> system = systemSerialPorts();
    for (int n = 1; n <= 4; ++n) {
        QLabel *label = deviceLabel(n);
        const QString device = mLink->portDevice(n);
        label->setText(label->fontMetrics().elidedText(device, Qt::ElideMiddle, label->width()));
        const auto listed = std::find_if(system.cbegin(), system.cend(),
                                         [&](const SystemSerialPort &port) { return port.device == device; });
        label->setToolTip(listed == system.cend() || listed->about().isEmpty()
                              ? device
                              : u"%1 \u2014 %2"_s.arg(device, listed->about()));
    }
}

void PortDialog::chooseDevice(int n)
{
    const QString standard = ComPortNames::standardName(n);
    const std::optional<QString> device = deviceDialog()->chooseDevice(n, mLink->portDevice(n), standard);
    if (!device)
        return;
    if (!mSettings->setPortDevice(n, *device == standard ? QString() : *device)) {
        mPrompter->errorWithDetails(tr("Unable to write to %1").arg(mSettings->path()), mSettings->lastWriteError());
        return;
    }
    showDevices();
    // As a click on the port: it is tried at once.
    portButton(n)->click();
}

void PortDialog::startSelection()
{
    showDevices();
    for (QAbstractButton *radio : mPorts->buttons())
        radio->setFocusPolicy(Qt::StrongFocus);
    showSelection();
}

void PortDialog::showSelection()
{
    mPorts->setExclusive(false);
    for (QAbstractButton *radio : mPorts->buttons())
        radio->setChecked(false);
    mPorts->setExclusive(true);
    mPendingPort = mPortInForce;
    if (QRadioButton *inForce = portButton(mPortInForce)) {
        inForce->setChecked(true);
        // Marking counts as a click on the port in force: no test, but the
        // focus goes to OK.
        tryPort(mPortInForce);
    }
}

void PortDialog::tryPort(int n)
{
    if (n == mPortInForce) {
        mPendingPort = n;
    } else if (mLink->checkPort(n, *mPrompter)) {
        mPendingPort = n;
        mLink->closePort();
    } else {
        showSelection();
    }
    mOkButton->setFocus();
    if (QRadioButton *clicked = portButton(n))
        clicked->setFocusPolicy(Qt::ClickFocus);
}

void PortDialog::checkConnection()
{
    setChecking(true);
    mPrompter->setBusy(true);
    // Refused (with a beep) only while another conversation goes on.
    if (!mLink->startIdentification(mPendingPort, *mPrompter)) {
        mPrompter->setBusy(false);
        setChecking(false);
    }
}

void PortDialog::connectionChecked(bool found)
{
    if (found) {
        mPrompter->setBusy(false);
        mPrompter->information(mLink->info().summary());
        mLink->closePort();
    }
    mPrompter->setBusy(false);
    setChecking(false);
}

void PortDialog::setChecking(bool checking)
{
    mChecking = checking;
    for (QAbstractButton *button : mPorts->buttons())
        button->setEnabled(!checking);
    for (QPushButton *button : std::as_const(mDeviceButtons))
        button->setEnabled(!checking);
    mCheckButton->setEnabled(!checking);
    mOkButton->setEnabled(!checking);
}

void PortDialog::reject()
{
    // The device is no longer asked; its answer, should it come, is not read.
    if (mChecking) {
        mLink->abandon();
        setChecking(false);
    }
    QDialog::reject();
}
