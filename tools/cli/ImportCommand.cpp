// mirandel-cli import: a session from another program's schedule or from cells as text.
#include "CliBatch.h"
#include "CliCommand.h"
#include "CliExchange.h"
#include "StderrPrompter.h"

#include "core/exchange/SessionFormats.h"
#include "core/files/SessionFileWriter.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliBatch batch{{u"sbg"_s, u"gnaural"_s, u"tsv"_s, u"txt"_s}, u"LSS"_s, {u"--strict"_s}};

const CliCommand command{
    u"import"_s,
    u"import IN -o OUT.LSS [--strict] [--length H:MM:SS]"_s,
    u"Makes a session file from an SBaGen schedule, a Gnaural schedule or cells as text."_s,
    u"IN is read by its extension: .sbg (SBaGen), .gnaural (Gnaural) or .tsv/.txt (the lines that\n"
    u"\"cells\" prints, which give back every cell as it was). A schedule is imported as its player\n"
    u"plays it: times built exactly from the time list over as many segments as they need, values\n"
    u"snapped to the value lists. --length gives the length of a schedule that plays until stopped\n"
    u"(one time line, for example); without it such a schedule is imported 30 minutes long. What\n"
    u"the session cannot hold goes to stderr, one line per kind of change and range of segments, as\n"
    u"check prints it: \"warning\", TAB, the segment, TAB, the row, TAB, the segments, the source's\n"
    u"line and what changed. Exit status 0 when OUT was written (with or without warnings), 1 when\n"
    u"IN cannot be read or OUT cannot be written, or when --strict refuses a change of the played\n"
    u"time, of a beat or of what is heard (nothing is written then), 2 on wrong usage."_s,
    &run,
    false,
    &batch};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    const std::optional<ExchangeArguments> parsed = parseExchangeArguments(arguments, LengthArgument::Accepted);
    const std::optional<FileFormat> format =
        parsed ? SessionFormats::formatOf(parsed->input, SessionFormats::importable()) : std::nullopt;
    if (!format)
        return usageError(command);
    SessionImport imported = format->import(parsed->input, {parsed->lengthSeconds});
    if (!imported.session) {
        printError(u"mirandel-cli: %1: %2"_s.arg(QFileInfo(parsed->input).fileName(), imported.error));
        return 1;
    }
    printNotes(imported.notes);
    if (const int status = statusAfterNotes(*parsed, imported.notes, StrictAbout::PlayChanges))
        return status;
    imported.session->fileName = QFileInfo(parsed->output).absoluteFilePath();
    StderrPrompter prompter;
    prompter.showsDetails = true; // a failed write names the file and the reason
    return writeSessionFile(*imported.session, prompter) ? 0 : 1;
}
} // namespace
