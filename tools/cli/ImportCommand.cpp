// mirandel-cli import: a session from another program's schedule or from cells as text.
#include "CliCommand.h"
#include "CliExchange.h"
#include "StderrPrompter.h"

#include "core/exchange/SessionExchange.h"
#include "core/files/SessionFileWriter.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliCommand command{
    u"import"_s,
    u"import IN -o OUT.LSS [--strict]"_s,
    u"Makes a session file from an SBaGen schedule, a Gnaural schedule or cells as text."_s,
    u"IN is read by its extension: .sbg (SBaGen), .gnaural (Gnaural) or .tsv/.txt (the lines that\n"
    u"\"cells\" prints, which give back every cell as it was). Values are snapped to the value lists\n"
    u"and periods longer than 10:00.0 split. What the session cannot hold goes to stderr, one line\n"
    u"each, as check prints it: \"warning\", TAB, the segment, TAB, the row, TAB, the source's line\n"
    u"and what was left out. Exit status 0 when OUT was written (with or without warnings), 1 when\n"
    u"IN cannot be read or OUT cannot be written, or when --strict refuses warnings (nothing is\n"
    u"written then), 2 on wrong usage."_s,
    &run};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    const std::optional<ExchangeArguments> parsed = parseExchangeArguments(arguments);
    if (!parsed || exchangeFormatOf(parsed->input) == ExchangeFormat::Unknown)
        return usageError(command);
    SessionImport imported = importSessionFile(parsed->input);
    if (!imported.session) {
        printError(u"mirandel-cli: %1: %2"_s.arg(QFileInfo(parsed->input).fileName(), imported.error));
        return 1;
    }
    printNotes(imported.notes);
    if (const int status = statusAfterNotes(*parsed, imported.notes))
        return status;
    imported.session->fileName = QFileInfo(parsed->output).absoluteFilePath();
    StderrPrompter prompter;
    prompter.showsDetails = true; // a failed write names the file and the reason
    return writeSessionFile(*imported.session, prompter) ? 0 : 1;
}
} // namespace
