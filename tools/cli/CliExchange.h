#pragma once

#include "core/exchange/ExchangeNote.h"

#include <QList>
#include <optional>

// "IN -o OUT [--strict]", the arguments of import and export.
struct ExchangeArguments
{
    QString input;
    QString output;
    bool strict = false; // losses refuse the output
};
std::optional<ExchangeArguments> parseExchangeArguments(const QStringList &arguments);

// Each note on stderr as check prints a warning: "warning", the segment,
// the row and the message, TAB-separated.
void printNotes(const QList<ExchangeNote> &notes);

// The exit status after notes: 1 when --strict refuses them, else 0.
int statusAfterNotes(const ExchangeArguments &arguments, const QList<ExchangeNote> &notes);
