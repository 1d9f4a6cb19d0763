#pragma once

#include "core/exchange/ExchangeNote.h"

#include <QList>
#include <optional>

// "IN -o OUT [--strict]", the arguments of import and export; import takes
// "--length H:MM:SS" too.
struct ExchangeArguments
{
    QString input;
    QString output;
    bool strict = false; // losses refuse the output
    double lengthSeconds = 0; // 0: not given
};
enum class LengthArgument { Refused, Accepted };
std::optional<ExchangeArguments> parseExchangeArguments(const QStringList &arguments,
                                                        LengthArgument length = LengthArgument::Refused);

// Each note on stderr as check prints a warning: "warning", the segment,
// the row and the message, TAB-separated.
void printNotes(const QList<ExchangeNote> &notes);

// The exit status after notes: 1 when --strict refuses them, else 0. An
// import is refused only where the played time, a beat or what is heard changes.
enum class StrictAbout { EveryLoss, PlayChanges };
int statusAfterNotes(const ExchangeArguments &arguments, const QList<ExchangeNote> &notes,
                     StrictAbout about = StrictAbout::EveryLoss);
