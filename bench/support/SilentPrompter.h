#pragma once

#include "core/session/Prompter.h"

#include <cstdlib>

// The benchmarks run valid work that shows no message; any error would be a
// fault of the benchmark itself.
class SilentPrompter : public Prompter
{
public:
    void error(const QString &) override { std::abort(); }
    void information(const QString &) override {}
    bool confirmYesNo(const QString &) override { return false; }
    bool confirmOkCancel(const QString &) override { return false; }
    QString inputBox(const QString &, const QString &, const QString &initial) override { return initial; }
    void beep() override {}
    void setBusy(bool) override {}
};
