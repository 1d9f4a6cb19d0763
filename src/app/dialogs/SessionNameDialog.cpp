#include "app/dialogs/SessionNameDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <limits>

using namespace Qt::Literals::StringLiterals;

SessionNameDialog::SessionNameDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("Enter Session Name"));
    setFixedSize(340, 243);
    QFont boldFont = font();
    boldFont.setBold(true);
    setFont(boldFont);
}

void SessionNameDialog::setVisible(bool visible)
{
    if (visible)
        ensureControls();
    QDialog::setVisible(visible);
}

void SessionNameDialog::ensureControls()
{
    if (mNameEdit)
        return;
    mBevel = new QFrame(this);
    mBevel->setGeometry(8, 8, 324, 177);
    mBevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    mNameEdit = new QLineEdit(this);
    mNameEdit->setGeometry(32, 80, 276, 27);
    mNameEdit->setMaxLength(std::numeric_limits<int>::max());
    mNameEdit->setAccessibleName(tr("Session name"));

    mOkButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    mOkButton->setGeometry(83, 199, 83, 31);
    mOkButton->setDefault(true);
    mCancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    mCancelButton->setGeometry(174, 199, 83, 31);
    mHelpButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("Help"), this);
    mHelpButton->setGeometry(265, 199, 67, 31);
    mHelpButton->hide();
    connect(mOkButton, &QPushButton::clicked, this, &SessionNameDialog::takeName);
    connect(mCancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void SessionNameDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    fillEntry();
}

// Filled when the dialog shows rather than at every activation, so that
// switching to another program and back keeps what was typed.
void SessionNameDialog::fillEntry()
{
    mNameEdit->setText(mName);
    mNameEdit->setFocus();
}

void SessionNameDialog::takeName()
{
    mName = mNameEdit->text();
    accept();
}
