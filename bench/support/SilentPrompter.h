#pragma once

#include "session/Prompter.h"

#include <cstdlib>

// Benchmarks run valid work: any error message is a fault of the benchmark.
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
