// mirandel-cli check: every problem a download of a session file would meet.
#include "CliBatch.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "core/check/SessionCheck.h"
#include "core/session/SessionDocument.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliBatch batch{{u"lss"_s}, {}, {}};

const CliCommand command{
    u"check"_s,
    u"check FILE"_s,
    u"Reads a session file as File > Open does and lists what would stop or spoil its download."_s,
    u"One line per problem, in the encoder's order: \"error\" or \"warning\", TAB, the segment,\n"
    u"TAB, the row, TAB, the message the program would show (segment and row 0 for the whole\n"
    u"session; a file read with format errors is such an error). The light's flash rates follow:\n"
    u"a warning for each segment that flashes at 15 to 25 Hz, and a \"note\" line with the time the\n"
    u"light flashes at 3 to 30 Hz. Messages of reading the file go to stderr. Exit status 0 when\n"
    u"there is no error (warnings and notes allowed), 1 when there is one or FILE cannot be opened."_s,
    &run,
    false,
    &batch};
const CliCommandRegistration registration(command);

void printProblem(SessionProblem::Severity severity, int segment, int row, const QString &text)
{
    const QString kind = severity == SessionProblem::Error     ? u"error"_s
                         : severity == SessionProblem::Warning ? u"warning"_s
                                                               : u"note"_s;
    printLine(u"%1\t%2\t%3\t%4"_s.arg(kind, QString::number(segment), QString::number(row), text));
}

int run(const QStringList &arguments)
{
    if (arguments.size() != 1)
        return usageError(command);
    SessionDocument document;
    StderrPrompter prompter;
    if (!loadSessionFile(arguments.at(0), document, prompter))
        return 1;
    // What could not be read would be missing from the download.
    bool anyError = readWithFormatErrors(document);
    if (anyError)
        printProblem(SessionProblem::Error, 0, 0, u"Format errors in file"_s);
    for (const SessionProblem &problem : checkSession(document.session())) {
        anyError = anyError || problem.severity == SessionProblem::Error;
        printProblem(problem.severity, problem.segment, problem.row, problem.text);
    }
    return anyError ? 1 : 0;
}
} // namespace
