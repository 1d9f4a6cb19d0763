#pragma once

#include <QString>

// Every question and message the program puts to the user goes through here,
// so that tests can answer them from a script and the core stays widget-free.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // Error box: title "Error", error icon, one OK button.
    virtual void error(const QString &text) = 0;
    // The same with details the user can unfold (a device path, the system's
    // reason); where there is no room for them, the text alone.
    virtual void errorWithDetails(const QString &text, const QString &details)
    {
        Q_UNUSED(details);
        error(text);
    }
    // Information box with one OK button.
    virtual void information(const QString &text) = 0;
    // Confirmation box "Confirm" with Yes and No; true for Yes.
    virtual bool confirmYesNo(const QString &text) = 0;
    // Confirmation box with OK and Cancel; true for OK.
    virtual bool confirmOkCancel(const QString &text) = 0;
    // Input box; Cancel gives back the initial text.
    virtual QString inputBox(const QString &caption, const QString &prompt, const QString &initial) = 0;
    // The system's default beep.
    virtual void beep() = 0;
    // Hourglass (true) or the normal arrow (false).
    virtual void setBusy(bool busy) = 0;
};
