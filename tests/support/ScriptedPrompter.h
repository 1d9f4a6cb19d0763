#pragma once

#include "core/session/Prompter.h"

#include <QStringList>
#include <deque>

// Answers the program's questions from a script and records every text shown.
// An unscripted question fails the test.
class ScriptedPrompter : public Prompter
{
public:
    void error(const QString &text) override;
    void errorWithDetails(const QString &text, const QString &details) override;
    void information(const QString &text) override;
    bool confirmYesNo(const QString &text) override;
    bool confirmOkCancel(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &initial) override;
    void beep() override;
    void setBusy(bool busy) override;

    // Answers, taken in order.
    void answerYesNo(bool yes) { mConfirmAnswers.push_back(yes); }
    void answerOkCancel(bool ok) { mConfirmAnswers.push_back(ok); }
    // An input box answer; std::nullopt stands for Cancel.
    void answerInput(const std::optional<QString> &text) { mInputAnswers.push_back(text); }

    // Everything shown, in order: "error: ...", "information: ...",
    // "confirm: ...", "input: caption|prompt|initial", "beep".
    QStringList log;
    QStringList errors;   // error texts only
    QStringList details;  // the details of errors that had some
    bool busy = false;
    // Was the cursor normal when each error was shown?
    QList<bool> busyAtError;

private:
    std::deque<bool> mConfirmAnswers;
    std::deque<std::optional<QString>> mInputAnswers;
};
