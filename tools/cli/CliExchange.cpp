#include "CliExchange.h"

#include "CliCommand.h"
#include "core/exchange/SessionImport.h"

#include <QRegularExpression>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// "H:MM:SS", "MM:SS" or seconds; 0 when it is none of them.
double secondsOf(const QString &text)
{
    static const QRegularExpression form(u"^(?:(?:(\\d{1,3}):)?(\\d{1,2}):)?(\\d{1,6})$"_s);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return 0;
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).toInt();
    if ((match.hasCaptured(2) && seconds > 59) || (match.hasCaptured(1) && minutes > 59))
        return 0;
    return match.captured(1).toInt() * 3600.0 + minutes * 60.0 + seconds;
}
} // namespace

std::optional<ExchangeArguments> parseExchangeArguments(const QStringList &arguments, LengthArgument length)
{
    ExchangeArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--length"_s && length == LengthArgument::Accepted && i + 1 < arguments.size()
            && parsed.lengthSeconds == 0) {
            parsed.lengthSeconds = secondsOf(arguments.at(++i));
            if (parsed.lengthSeconds <= 0)
                return std::nullopt;
        } else if (argument == u"-o"_s && i + 1 < arguments.size() && parsed.output.isEmpty())
            parsed.output = arguments.at(++i);
        else if (argument == u"--strict"_s && !parsed.strict)
            parsed.strict = true;
        else if (argument.startsWith(u'-') || !parsed.input.isEmpty())
            return std::nullopt;
        else
            parsed.input = argument;
    }
    if (parsed.input.isEmpty() || parsed.output.isEmpty())
        return std::nullopt;
    return parsed;
}

void printNotes(const QList<ExchangeNote> &notes)
{
    for (const ExchangeNote &note : notes) {
        printError(u"warning\t%1\t%2\t%3"_s.arg(QString::number(note.segment), QString::number(note.row),
                                                exchangeNoteText(note)));
    }
}

int statusAfterNotes(const ExchangeArguments &arguments, const QList<ExchangeNote> &notes, StrictAbout about)
{
    const bool refused = about == StrictAbout::EveryLoss
                             ? !notes.isEmpty()
                             : std::any_of(notes.cbegin(), notes.cend(), [](const ExchangeNote &note) { return note.changesPlay; });
    if (arguments.strict && refused) {
        printError(u"mirandel-cli: --strict: nothing written, since the file would not hold everything"_s);
        return 1;
    }
    return 0;
}
