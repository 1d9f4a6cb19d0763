#pragma once

#include "core/session/Prompter.h"

#include <QCoreApplication>

class QWidget;

// Message boxes, input box, beep and cursor with Qt's standard dialogs.
class QtPrompter : public Prompter
{
    Q_DECLARE_TR_FUNCTIONS(QtPrompter)
public:
    explicit QtPrompter(QWidget *parent = nullptr);
    void setParent(QWidget *parent) { mParent = parent; }

    void error(const QString &text) override;
    void errorWithDetails(const QString &text, const QString &details) override;
    void information(const QString &text) override;
    bool confirmYesNo(const QString &text) override;
    bool confirmOkCancel(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &initial) override;
    void beep() override;
    void setBusy(bool busy) override;

private:
    // A box belongs above the dialog that raised it, else above the window.
    QWidget *boxParent() const;

    QWidget *mParent;
    bool mBusy = false;
};
