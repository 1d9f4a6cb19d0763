#pragma once

#include "core/session/Prompter.h"

// The command line has no one to ask: every message goes to stderr, one per
// line; questions take their safe answer (No, Cancel, the initial text).
class StderrPrompter : public Prompter
{
public:
    void error(const QString &text) override;
    // The details on a line of their own after the text, when showsDetails.
    void errorWithDetails(const QString &text, const QString &details) override;
    void information(const QString &text) override;
    bool confirmYesNo(const QString &text) override;
    bool confirmOkCancel(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &initial) override;
    void beep() override {}
    void setBusy(bool) override {}

    int errorCount = 0;
    bool showsDetails = false;
};
