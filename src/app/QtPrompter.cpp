#include "app/QtPrompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

QtPrompter::QtPrompter(QWidget *parent)
    : mParent(parent)
{
}

void QtPrompter::error(const QString &text)
{
    // A message that ends a busy command is read with the normal arrow.
    const bool wasBusy = mBusy;
    setBusy(false);
    QMessageBox::critical(mParent, u"Error"_s, text, QMessageBox::Ok);
    setBusy(wasBusy);
}

void QtPrompter::information(const QString &text)
{
    QMessageBox::information(mParent, u"Information"_s, text, QMessageBox::Ok);
}

bool QtPrompter::confirmYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::Question, u"Confirm"_s, text, QMessageBox::NoButton, mParent);
    QPushButton *yes = box.addButton(u"&Yes"_s, QMessageBox::YesRole);
    // Not the No role: that would make Escape and the close box answer No,
    // and No discards the changes. The question takes one of its two buttons.
    box.addButton(u"&No"_s, QMessageBox::ActionRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

bool QtPrompter::confirmOkCancel(const QString &text)
{
    return QMessageBox::question(mParent, u"Confirm"_s, text, QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok)
           == QMessageBox::Ok;
}

QString QtPrompter::inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(mParent, caption, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? text : initial;
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
