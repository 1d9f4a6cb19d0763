#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

void ScriptedPrompter::error(const QString &text)
{
    log.append(u"error: "_s + text);
    errors.append(text);
    busyAtError.append(busy);
}

void ScriptedPrompter::errorWithDetails(const QString &text, const QString &detailsText)
{
    error(text);
    details.append(detailsText);
}

void ScriptedPrompter::information(const QString &text)
{
    log.append(u"information: "_s + text);
}

bool ScriptedPrompter::confirmYesNo(const QString &text)
{
    log.append(u"confirm: "_s + text);
    if (mConfirmAnswers.empty()) {
        ADD_FAILURE() << "unscripted Yes/No question: " << text.toStdString();
        return false;
    }
    const bool answer = mConfirmAnswers.front();
    mConfirmAnswers.pop_front();
    return answer;
}

bool ScriptedPrompter::confirmOkCancel(const QString &text)
{
    log.append(u"confirm: "_s + text);
    if (mConfirmAnswers.empty()) {
        ADD_FAILURE() << "unscripted OK/Cancel question: " << text.toStdString();
        return false;
    }
    const bool answer = mConfirmAnswers.front();
    mConfirmAnswers.pop_front();
    return answer;
}

QString ScriptedPrompter::inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    log.append(u"input: %1|%2|%3"_s.arg(caption, prompt, initial));
    if (mInputAnswers.empty()) {
        ADD_FAILURE() << "unscripted input box: " << caption.toStdString();
        return initial;
    }
    const std::optional<QString> answer = mInputAnswers.front();
    mInputAnswers.pop_front();
    return answer ? *answer : initial;
}

void ScriptedPrompter::beep()
{
    log.append(u"beep"_s);
}

void ScriptedPrompter::setBusy(bool value)
{
    busy = value;
}
