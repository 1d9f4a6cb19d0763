#include "CliExchange.h"

#include "CliCommand.h"
#include "core/exchange/SessionImport.h"

using namespace Qt::Literals::StringLiterals;

std::optional<ExchangeArguments> parseExchangeArguments(const QStringList &arguments)
{
    ExchangeArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"-o"_s && i + 1 < arguments.size() && parsed.output.isEmpty())
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

int statusAfterNotes(const ExchangeArguments &arguments, const QList<ExchangeNote> &notes)
{
    if (arguments.strict && !notes.isEmpty()) {
        printError(u"mirandel-cli: --strict: nothing written, since the file would not hold everything"_s);
        return 1;
    }
    return 0;
}
