#include "CliCommand.h"
#include "CliSession.h"
#include "core/session/TimingPanel.h"
#include "core/session/Session.h"
#include "core/listing/SessionListing.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"listing"_s,
    u"listing FILE"_s,
    u"Reads a session file as File > Open does and prints the lines File > Print would print."_s,
    u"The title with today's date (after a TAB), the column header, one line per segment, an empty line,\n"
    u"the total time line, an empty line and the description. Messages the program would show go to stderr.\n"
    u"Exit status 0 when the file was read (format errors included), 1 when it cannot be opened."_s,
    &run};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    return runOnSessionFile(command, arguments, [](const Session &session, const TimingPanel &timing) {
        for (const QString &line : SessionListing::lines(session, timing.lines().value(1), SessionListing::shortDate()))
            printLine(line);
    });
}
} // namespace
