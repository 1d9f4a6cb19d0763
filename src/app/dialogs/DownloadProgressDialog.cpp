#include "app/dialogs/DownloadProgressDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

DownloadProgressDialog::DownloadProgressDialog(QWidget *parent)
    : QDialog(parent)
    , mText(new QLabel(this))
    , mBar(new QProgressBar(this))
    , mCancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Download"));
    setWindowModality(Qt::WindowModal);
    mBar->setAccessibleName(tr("Download progress"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(mCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Sending the session to the device."), this));
    layout->addWidget(mBar);
    layout->addWidget(mText);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

void DownloadProgressDialog::deviceAsked()
{
    mActive = true;
    // A busy bar: the answer's wait has no steps to show.
    mBar->setRange(0, 0);
    mText->setText(tr("Asking the device who it is\u2026"));
    show();
    raise();
}

void DownloadProgressDialog::sendingStarted(int totalBytes)
{
    mActive = true;
    mBar->setRange(0, totalBytes);
    mBar->setValue(0);
    mText->clear();
    show();
    raise();
}

void DownloadProgressDialog::sendingProgressed(int bytesSent, int totalBytes, int msLeft)
{
    mBar->setValue(bytesSent);
    mText->setText(tr("%1 of %2 bytes sent, %3 s left").arg(bytesSent).arg(totalBytes).arg((msLeft + 999) / 1000));
}

void DownloadProgressDialog::sendingEnded()
{
    mActive = false;
    hide();
}

void DownloadProgressDialog::reject()
{
    if (mActive)
        emit cancelRequested();
}
