#include "core/session/LoopEntry.h"

#include "core/session/LoopPasses.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionRows.h"
#include "core/session/SessionDocument.h"
#include "core/session/TextNumbers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
struct LoopEntryTexts
{
    Q_DECLARE_TR_FUNCTIONS(LoopEntry)
};

constexpr int MaxLoopLength = 15;
constexpr int MinLoopTimes = 2;
QString loopSegsCaption()
{
    return LoopEntryTexts::tr("Enter Loop Segments");
}

QString loopTimesCaption()
{
    return LoopEntryTexts::tr("Enter Loop Times");
}

// The integer typed into a loop dialog, limited to low..high. Digits beyond
// 32 bits still say which end they mean. No value for text that is not an
// integer.
std::optional<int> enteredInteger(const QString &entry, int low, int high)
{
    const QString text = entry.trimmed();
    if (const auto value = TextNumbers::tryInteger(text))
        return std::clamp(*value, low, high);
    static const QRegularExpression longInteger(u"^[+-]?[0-9]+$"_s);
    if (longInteger.match(text).hasMatch())
        return text.startsWith(u'-') ? low : high;
    return std::nullopt;
}

// Loop Times of columns first..last that exist: a loop read from a file may
// claim more segments than the session has.
void writeLoopTimes(SessionGrid &cells, int first, int last, int times)
{
    const QString text = QString::number(times);
    for (int column = std::max(first, 0); column <= std::min(last, cells.columnCount() - 1); ++column)
        cells.setCell(column, LoopTimesRow, text);
}

// A loop dialog's edit refreshes the timing at its segment.
EditStep loopStep(const SessionContext &context, int k, int row)
{
    const CellPos cell{k, row};
    return {cellChangeText(context.document.session().kind, cell), cell, k + 1};
}
} // namespace

QString loopEntryRefusal(const SessionGrid &cells, int k, int row)
{
    const int n = TextNumbers::integer(cells.cell(k, LoopSegsRow));
    const int t = TextNumbers::integer(cells.cell(k, LoopTimesRow));
    if (row == LoopSegsRow)
        return n == 0 && t > 0 ? LoopEntryTexts::tr("In Existing loop") : QString();
    return n == 0 ? LoopEntryTexts::tr("Not at loop start") : QString();
}

std::optional<int> loopEntryValue(int row, const QString &text)
{
    return row == LoopSegsRow ? enteredInteger(text, 0, MaxLoopLength)
                              : enteredInteger(text, MinLoopTimes, MostLoopPasses);
}

QString loopEntryNeeded(int row)
{
    return row == LoopSegsRow ? LoopEntryTexts::tr("Integer 0-15 needed") : LoopEntryTexts::tr("Integer 2-15 needed");
}

void setLoopSegs(SessionGrid &cells, int k, int m, Prompter &prompter)
{
    const int n = TextNumbers::integer(cells.cell(k, LoopSegsRow));
    const int t = std::max(TextNumbers::integer(cells.cell(k, LoopTimesRow)), MinLoopTimes);
    if (m < n) {
        writeLoopTimes(cells, k + m, k + n - 1, 0);
    } else if (m > n) {
        if (k + m > cells.columnCount() - 1) {
            prompter.error(LoopEntryTexts::tr("Loop includes last segment"));
            m = n;
        } else {
            // Every loop in the way is named, not only the first.
            const int end = k + m;
            for (int column = std::max(k + n, 0); column < end; ++column) {
                if (cells.cell(column, LoopSegsRow) != u"0") {
                    prompter.error(LoopEntryTexts::tr("Loop overlap"));
                    m = n;
                }
            }
        }
        if (m > n)
            writeLoopTimes(cells, k + n, k + m - 1, t);
    }
    cells.setCell(k, LoopSegsRow, QString::number(m));
}

void setLoopTimes(SessionGrid &cells, int k, int t)
{
    writeLoopTimes(cells, k, k + TextNumbers::integer(cells.cell(k, LoopSegsRow)) - 1, t);
}

bool enterLoopSegs(const SessionContext &context, int k)
{
    const SessionGrid &current = context.document.cells();
    const QString refusal = loopEntryRefusal(current, k, LoopSegsRow);
    if (!refusal.isEmpty()) {
        context.prompter.error(refusal);
        return false;
    }
    const int n = TextNumbers::integer(current.cell(k, LoopSegsRow));
    context.document.edit(loopStep(context, k, LoopSegsRow), [&](Session &session) {
        context.document.markModified();
        const QString entry = context.prompter.inputBox(loopSegsCaption(), LoopEntryTexts::tr("Range 0-15"), QString::number(n));
        int m = 0;
        if (!entry.trimmed().isEmpty()) {
            if (const auto value = loopEntryValue(LoopSegsRow, entry))
                m = *value;
            else
                context.prompter.error(loopEntryNeeded(LoopSegsRow));
        }
        setLoopSegs(session.cells, k, m, context.prompter);
    });
    return true;
}

bool enterLoopTimes(const SessionContext &context, int k)
{
    const SessionGrid &current = context.document.cells();
    const QString refusal = loopEntryRefusal(current, k, LoopTimesRow);
    if (!refusal.isEmpty()) {
        context.prompter.error(refusal);
        return false;
    }
    const int t = TextNumbers::integer(current.cell(k, LoopTimesRow));
    context.document.edit(loopStep(context, k, LoopTimesRow), [&](Session &session) {
        context.document.markModified();
        const QString entry =
            context.prompter.inputBox(loopTimesCaption(), LoopEntryTexts::tr("Range 2-15"), QString::number(t));
        setLoopTimes(session.cells, k, loopEntryValue(LoopTimesRow, entry).value_or(t));
    });
    return true;
}

QString loopEntryExplanation(const QString &caption)
{
    if (caption == loopSegsCaption())
        return LoopEntryTexts::tr("Number of segments in the loop (0\u2013" "15); 0 removes the loop.");
    if (caption == loopTimesCaption())
        return LoopEntryTexts::tr("How many times the loop plays (2\u2013" "15).");
    return QString();
}
