// mirandel-cli check: every problem a download of a session file would meet.
#include "CliCommand.h"
#include "CliSession.h"

#include "core/check/SessionCheck.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"check"_s,
    u"check FILE"_s,
    u"Reads a session file as File > Open does and lists what would stop or spoil its download."_s,
    u"One line per problem, in the encoder's order: \"error\" or \"warning\", TAB, the segment,\n"
    u"TAB, the row, TAB, the message the program would show (segment and row 0 for the whole\n"
    u"session). The light's flash rates follow: a warning for each segment that flashes at 15 to\n"
    u"25 Hz, and a \"note\" line with the time the light flashes at 3 to 30 Hz. Messages of reading\n"
    u"the file go to stderr. Exit status 0 when there is no error (warnings and notes allowed), 1\n"
    u"when there is one or FILE cannot be opened."_s,
    &run};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    bool anyError = false;
    const int read = runOnSessionFile(command, arguments, [&anyError](const Session &session, const TimingPanel &) {
        for (const SessionProblem &problem : checkSession(session)) {
            const bool error = problem.severity == SessionProblem::Error;
            anyError = anyError || error;
            const QString kind = error ? u"error"_s : problem.severity == SessionProblem::Warning ? u"warning"_s : u"note"_s;
            printLine(u"%1\t%2\t%3\t%4"_s.arg(kind, QString::number(problem.segment), QString::number(problem.row),
                                                 problem.text));
        }
    });
    return read != 0 ? read : (anyError ? 1 : 0);
}
} // namespace
