#include "app/QtPrompter.h"

#include "core/session/LoopEntry.h"
#include "app/dialogs/InputBoxDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {
// The introduction stays on top until the first key or click; a message that
// comes while it shows (a start-up file's error) must not hide beneath it.
int execOnTop(QDialog &dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    return dialog.exec();
}

int showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
                const QString &details = {})
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    // The reason shows under the message, not behind a button.
    box.setInformativeText(details);
    return execOnTop(box);
}
} // namespace

QtPrompter::QtPrompter(QWidget *parent)
    : mParent(parent)
{
}

QWidget *QtPrompter::boxParent() const
{
    QWidget *dialog = QApplication::activeModalWidget();
    return dialog ? dialog : mParent;
}

void QtPrompter::error(const QString &text)
{
    errorWithDetails(text, QString());
}

void QtPrompter::errorWithDetails(const QString &text, const QString &details)
{
    // A message that ends a busy command is read with the normal arrow.
    const bool wasBusy = mBusy;
    setBusy(false);
    showMessage(boxParent(), QMessageBox::Critical, tr("Error"), text, QMessageBox::Ok, QMessageBox::Ok, details);
    setBusy(wasBusy);
}

void QtPrompter::information(const QString &text)
{
    showMessage(boxParent(), QMessageBox::Information, tr("Information"), text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtPrompter::confirmYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, tr("Confirm"), text, QMessageBox::NoButton, boxParent());
    QPushButton *yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
    // Not the No role: that would make Escape and the close box answer No,
    // and No discards the changes. The question takes one of its two buttons.
    box.addButton(tr("&No"), QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    execOnTop(box);
    return box.clickedButton() == yes;
}

bool QtPrompter::confirmOkCancel(const QString &text)
{
    return showMessage(boxParent(), QMessageBox::Question, tr("Confirm"), text, QMessageBox::Ok | QMessageBox::Cancel,
                       QMessageBox::Ok)
           == QMessageBox::Ok;
}

QString QtPrompter::inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    InputBoxDialog dialog(caption, prompt, loopEntryExplanation(caption), initial, boxParent());
    return execOnTop(dialog) == QDialog::Accepted ? dialog.text() : initial;
}

void QtPrompter::beep()
{
    QApplication::beep();
}

void QtPrompter::setBusy(bool busy)
{
    if (busy == mBusy)
        return;
    mBusy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
