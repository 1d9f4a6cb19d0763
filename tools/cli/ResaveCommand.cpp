#include "CliCommand.h"
#include "CliSession.h"
#include "core/session/SessionDocument.h"
#include "StderrPrompter.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/Session.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"resave"_s,
    u"resave IN OUT"_s,
    u"Reads the session file IN as File > Open does and writes it to OUT as File > Save does."_s,
    u"OUT is replaced only once it has been written in full, and never when it is IN (also through\n"
    u"a link) read with losses: format errors, segments beyond 1000, text after a NUL byte, a cut\n"
    u"name or description line.\n"
    u"Exit status 0 when OUT was written, 1 when IN cannot be opened or OUT cannot be written."_s,
    &run};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return usageError(command);
    SessionDocument document;
    StderrPrompter prompter;
    prompter.showsDetails = true; // a failed write names the file and the reason
    if (!loadSessionFile(arguments.at(0), document, prompter))
        return 1;
    Session session = document.session();
    session.fileName = QFileInfo(arguments.at(1)).absoluteFilePath();
    // As File > Save: a file read with losses is replaced only after a yes,
    // which the command line never gives.
    if (const QString question = document.overwriteQuestion(session.fileName);
        !question.isEmpty() && !prompter.confirmYesNo(question))
        return 1;
    return writeSessionFile(session, prompter) ? 0 : 1;
}
} // namespace
