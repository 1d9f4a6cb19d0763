// mirandel-cli export: a session for another program.
#include "CliBatch.h"
#include "CliCommand.h"
#include "CliExchange.h"
#include "CliSession.h"
#include "StderrPrompter.h"

#include "core/exchange/SessionFormats.h"
#include "core/files/SafeFileWriter.h"
#include "core/session/SessionDocument.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int run(const QStringList &arguments);

const CliBatch batch{{u"lss"_s}, u"sbg"_s, {u"--strict"_s}};

const CliCommand command{
    u"export"_s,
    u"export IN.LSS -o OUT.sbg|OUT.gnaural [--strict]"_s,
    u"Writes a session file as an SBaGen or a Gnaural schedule."_s,
    u"The schedule plays the session as the preview does, loops expanded: times, beats and their\n"
    u"targets (as slides), pitches, volumes, chords as parallel tones, binaural and isochronic\n"
    u"tones by the tone. What it cannot hold (light intensity, duty cycle, phase, half seconds in\n"
    u"SBaGen) goes to stderr, one line per segment and row, as check prints it: \"warning\", TAB,\n"
    u"the segment, TAB, the row, TAB, the message. Exit status 0 when OUT was written (with or\n"
    u"without warnings), 1 when IN cannot be opened or OUT cannot be written, or when --strict\n"
    u"refuses warnings (nothing is written then), 2 on wrong usage."_s,
    &run,
    false,
    &batch};
const CliCommandRegistration registration(command);

int run(const QStringList &arguments)
{
    const std::optional<ExchangeArguments> parsed = parseExchangeArguments(arguments);
    if (!parsed)
        return usageError(command);
    const QList<FileFormat> formats = SessionFormats::exportable();
    const std::optional<FileFormat> format = SessionFormats::formatOf(parsed->output, formats);
    if (!format) {
        const int status = usageError(command);
        printError(u"mirandel-cli: export writes %1 files, not \"%2\""_s.arg(SessionFormats::extensionList(formats),
                                                                            parsed->output));
        return status;
    }
    SessionDocument document;
    StderrPrompter prompter;
    if (!loadSessionFile(parsed->input, document, prompter))
        return 1;
    const SessionExport exported = format->exportTo(document.session());
    printNotes(exported.losses);
    if (const int status = statusAfterNotes(*parsed, exported.losses))
        return status;
    if (const std::optional<FileWriteFailure> failure = writeFileSafely(parsed->output, exported.bytes)) {
        printError(u"mirandel-cli: cannot write %1: %2"_s.arg(parsed->output, failure->reason));
        return 1;
    }
    return 0;
}
} // namespace
