#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"
#include "core/session/CommandError.h"
#include "core/session/SessionDocument.h"
#include "core/session/TextNumbers.h"
#include "core/session/TimingPanel.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"timing"_s,
    u"timing FILE S"_s,
    u"Reads a session file and prints the status panel's two lines for segment S (from 1)."_s,
    u"The first line is the start time of segment S and the second the session total; when segment S\n"
    u"does not exist the total is the first line and the second is empty.\n"
    u"Exit status 0 when the file was read, 1 when it cannot be opened."_s,
    &run};
const CliCommandRegistration registration(command);

// A whole number names a segment, however large: one beyond the session's
// shows the total first, as the panel does.
std::optional<int> segmentNumber(const QString &text)
{
    if (const std::optional<int> number = TextNumbers::tryInteger(text))
        return number;
    const QStringView digits = QStringView(text).sliced(text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0);
    const bool wholeNumber =
        !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return wholeNumber ? std::optional<int>(0) : std::nullopt;
}

int run(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return usageError(command);
    const std::optional<int> segment = segmentNumber(arguments.at(1));
    if (!segment)
        return usageError(command);
    SessionDocument document;
    StderrPrompter prompter;
    if (!loadSessionFile(arguments.at(0), document, prompter))
        return 1;
    TimingPanel timing;
    // The lines written before a text that is not a number still print.
    runCommand(prompter, [&] { timing.refresh(document.cells(), *segment); });
    printLine(timing.lines().value(0));
    printLine(timing.lines().value(1));
    return 0;
}
} // namespace
