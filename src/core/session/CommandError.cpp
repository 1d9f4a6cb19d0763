#include "core/session/CommandError.h"

#include "core/session/Prompter.h"

bool runCommand(Prompter &prompter, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const CommandError &failure) {
        prompter.setBusy(false);
        prompter.error(failure.message());
        return false;
    }
}
