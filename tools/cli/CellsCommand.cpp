#include "CliCommand.h"
#include "CliSession.h"
#include "core/session/Session.h"
#include "core/session/SessionText.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"cells"_s,
    u"cells FILE"_s,
    u"Reads a session file as File > Open does and prints the cells, one line per segment."_s,
    u"Each line holds the 15 cell texts of rows 0 to 14 of one segment, joined by TAB.\n"
    u"Exit status 0 when the file was read, 1 when it cannot be opened."_s,
    &run};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    return runOnSessionFile(command, arguments, [](const Session &session, const TimingPanel &) {
        for (int column = 0; column < session.cells.columnCount(); ++column)
            printLine(SessionText::segmentLine(session.cells, column));
    });
}
} // namespace
