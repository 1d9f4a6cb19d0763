#pragma once

#include "core/session/Prompter.h"

// Answers every question no and counts the messages shown.
class CountingPrompter : public Prompter
{
public:
    void error(const QString &) override { ++messages; }
    void information(const QString &) override { ++messages; }
    bool confirmYesNo(const QString &) override { return false; }
    bool confirmOkCancel(const QString &) override { return false; }
    QString inputBox(const QString &, const QString &, const QString &initial) override { return initial; }
    void beep() override {}
    void setBusy(bool) override {}

    int messages = 0;
};
