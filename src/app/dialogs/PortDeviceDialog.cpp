#include "app/dialogs/PortDeviceDialog.h"

#include "gui/device/SystemSerialPorts.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

PortDeviceDialog::PortDeviceDialog(QWidget *parent)
    : QDialog(parent)
    , mList(new QListWidget(this))
    , mPath(new QLineEdit(this))
{
    auto *listLabel = new QLabel(tr("&Serial ports of this computer:"), this);
    listLabel->setBuddy(mList);
    // A list takes no name from its label.
    mList->setAccessibleName(tr("Serial ports"));
    auto *pathLabel = new QLabel(tr("De&vice:"), this);
    pathLabel->setBuddy(mPath);
    auto *browseButton = new QPushButton(tr("&Browse\u2026"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    mOkButton = buttons->button(QDialogButtonBox::Ok);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(mPath, 1);
    pathRow->addWidget(browseButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(mList, 1);
    layout->addLayout(pathRow);
    layout->addWidget(buttons);
    resize(420, 260);

    connect(mList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (item)
            mPath->setText(item->data(Qt::UserRole).toString());
    });
    connect(mList, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(mPath, &QLineEdit::textChanged, this,
            [this](const QString &text) { mOkButton->setEnabled(!text.trimmed().isEmpty()); });
    connect(browseButton, &QPushButton::clicked, this, &PortDeviceDialog::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<QString> PortDeviceDialog::chooseDevice(int comNumber, const QString &current, const QString &standard)
{
    setWindowTitle(tr("Device for COM %1").arg(comNumber));
    listDevices(current, standard);
    mPath->setText(current);
    mPath->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return mPath->text().trimmed();
}

void PortDeviceDialog::listDevices(const QString &current, const QString &standard)
{
    mList->clear();
    QList<SystemSerialPort> ports = systemSerialPorts();
    // The standard device first and the one in use next, listed by the system
    // or not; then the rest of what the system has.
    for (const QString &device : {current, standard}) {
        const auto listed = std::find_if(ports.cbegin(), ports.cend(),
                                         [&](const SystemSerialPort &port) { return port.device == device; });
        SystemSerialPort port{device, {}, {}};
        if (listed != ports.cend()) {
            port = *listed;
            ports.erase(listed);
        }
        if (!device.isEmpty())
            ports.prepend(port);
    }
    for (const SystemSerialPort &port : ports) {
        QString text = port.device;
        if (!port.about().isEmpty())
            text += u"  \u2014  "_s + port.about();
        if (port.device == standard)
            text += tr("  (standard)");
        auto *item = new QListWidgetItem(text, mList);
        item->setData(Qt::UserRole, port.device);
    }
    for (int i = 0; i < mList->count(); ++i) {
        if (mList->item(i)->data(Qt::UserRole).toString() == current)
            mList->setCurrentRow(i);
    }
}

void PortDeviceDialog::browse()
{
    const QFileInfo shown(mPath->text().trimmed());
    QFileDialog picker(this, windowTitle(), shown.isAbsolute() ? shown.absolutePath() : u"/dev"_s);
    picker.setFileMode(QFileDialog::ExistingFile);
    // Devices are system files, which only Qt's own dialog can be told to show.
    picker.setOption(QFileDialog::DontUseNativeDialog);
    picker.setFilter(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    if (picker.exec() == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        mPath->setText(picker.selectedFiles().constFirst());
}
