#include "CliBatch.h"
#include "CliCommand.h"
#include "CliSession.h"
#include "core/session/TimingPanel.h"
#include "core/session/Session.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliBatch batch{{u"lss"_s}, {}, {}};

const CliCommand command{
    u"info"_s,
    u"info FILE"_s,
    u"Reads a session file as File > Open does and prints its name, kind, segments and total time."_s,
    u"Prints five lines: \"name: \", \"kind: \", \"segments: \", \"total: \" (the status panel's total line)\n"
    u"and \"seconds: \" (the total in whole seconds). Messages the program would show go to stderr.\n"
    u"Exit status 0 when the file was read (format errors included), 1 when it cannot be opened."_s,
    &run,
    false,
    &batch};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    return runOnSessionFile(command, arguments, [](const Session &session, const TimingPanel &timing) {
        printLine(u"name: "_s + session.name);
        printLine(session.kind == DualBinauralSession ? u"kind: Dual Binaural Beats"_s
                                                             : u"kind: Pulsed/Binaural Beats"_s);
        printLine(u"segments: %1"_s.arg(session.cells.columnCount()));
        printLine(u"total: "_s + timing.lines().value(1));
        printLine(u"seconds: %1"_s.arg(timing.totalSeconds()));
    });
}
} // namespace
