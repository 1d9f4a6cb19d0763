#include "core/session/ValueEntry.h"

#include "core/session/LoopEntry.h"
#include "core/session/Prompter.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueMatching.h"
#include "core/session/ValueStepping.h"

#include <QCoreApplication>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct ValueEntryTexts
{
    Q_DECLARE_TR_FUNCTIONS(ValueEntry)
};

void enterLoopValue(const SessionContext &context, const CellPos &cell, const QString &text)
{
    SessionDocument &document = context.document;
    const ValueMatch match = matchValue(document.session(), cell, text);
    if (!match.matched()) {
        context.prompter.error(match.problem);
        return;
    }
    const int value = match.entry.toInt();
    const CellRange single{cell.column, cell.row, cell.column, cell.row};
    document.edit(rangeEditStep(ValueEntryTexts::tr("Change"), document.session().kind, single),
                  [&](Session &session) {
                      if (cell.row == LoopSegsRow)
                          setLoopSegs(session.cells, cell.column, value, context.prompter);
                      else
                          setLoopTimes(session.cells, cell.column, value);
                  });
}
} // namespace

void enterValue(const SessionContext &context, const CellRange &cells, const QString &text)
{
    if (cells.top != cells.bottom)
        return;
    if (isLoopRow(cells.top)) {
        enterLoopValue(context, cells.topLeft(), text);
        return;
    }
    SessionDocument &document = context.document;
    std::vector<std::pair<int, QString>> entries;
    entries.reserve(size_t(cells.right - cells.left + 1));
    QString refusal;
    for (int column = cells.left; column <= cells.right; ++column) {
        const ValueMatch match = matchValue(document.session(), {column, cells.top}, text);
        if (match.matched())
            entries.emplace_back(column, match.entry);
        else if (refusal.isEmpty())
            refusal = match.problem;
    }
    if (!entries.empty()) {
        document.edit(rangeEditStep(ValueEntryTexts::tr("Change"), document.session().kind, cells), [&](Session &session) {
            for (const auto &[column, entry] : entries)
                session.cells.setCell(column, cells.top, entry);
        });
    }
    if (!refusal.isEmpty())
        context.prompter.error(refusal);
}
