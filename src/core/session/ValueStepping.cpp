#include "core/session/ValueStepping.h"

#include "core/session/LoopEntry.h"
#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionRowTable.h"
#include "core/session/SessionRows.h"
#include "core/session/SessionDocument.h"
#include "core/session/ToneKinds.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
struct ValueSteppingTexts
{
    Q_DECLARE_TR_FUNCTIONS(ValueStepping)
};

bool isDual(const Session &session)
{
    return session.kind == DualBinauralSession;
}

bool isChordSegment(const Session &session, int column)
{
    const ToneKindEntry *tone = ToneKinds::find(session.cells.cell(column, ToneRow));
    return tone && tone->sixthRow == SixthRow::Chord;
}

// Rows whose cell has no meaning in this segment are emptied by any step.
bool stepEmptiesCell(const Session &session, const CellPos &cell)
{
    if (isDual(session))
        return false;
    if (cell.row == ChordRow)
        return !isChordSegment(session, cell.column);
    return cell.row == DbbRampRow;
}

QString startNotInList()
{
    return ValueSteppingTexts::tr("Starting value not in list - step to desired value");
}

qsizetype positionIgnoringCase(const QStringList &list, const QString &text)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
} // namespace

QStringList workingList(const Session &session, const CellPos &cell)
{
    // A pulsed session's chord and the first dbb Ramp depend on more than the row.
    if (cell.row == ChordRow && !isDual(session) && !isChordSegment(session, cell.column))
        return {};
    if (cell.row == DbbRampRow && cell.column == 0)
        return {};
    const QStringList *list = SessionRowTable::list(session.kind, cell.row);
    return list ? *list : QStringList();
}

bool stepCellValue(Session &session, const CellPos &cell, StepDirection direction)
{
    if (stepEmptiesCell(session, cell)) {
        session.cells.setCell(cell.column, cell.row, QString());
        return true;
    }
    const QStringList list = workingList(session, cell);
    if (list.isEmpty())
        return true;
    QString current = session.cells.cell(cell.column, cell.row);
    // An unset chord plays as the first chord.
    if (cell.row == ChordRow && current.isEmpty() && !isDual(session))
        current = list.first();
    qsizetype position = positionIgnoringCase(list, current);
    const bool inList = position >= 0;
    position = std::max<qsizetype>(position, 0);
    const qsizetype target = direction == StepDirection::Up ? position + 1 : position - 1;
    if (target >= 0 && target < list.size())
        session.cells.setCell(cell.column, cell.row, list.at(target));
    return inList;
}

void stepValue(const SessionContext &context, const CellPos &cell, StepDirection direction)
{
    SessionDocument &document = context.document;
    // A loop row opens its dialog; one that refuses still marks the session.
    if (isLoopRow(cell.row)) {
        const bool entered = cell.row == LoopSegsRow ? enterLoopSegs(context, cell.column)
                                                               : enterLoopTimes(context, cell.column);
        if (!entered)
            document.markModified();
        return;
    }
    // The timing panel follows at the stepped segment, so that Print and the
    // time graph never use the total from before the step.
    const EditStep step{cellChangeText(document.session().kind, cell), cell, cell.column + 1, EditStep::ValueStep};
    document.edit(step, [&](Session &session) {
        document.markModified();
        if (!stepCellValue(session, cell, direction))
            context.prompter.error(startNotInList());
    });
}

void stepValues(const SessionContext &context, const CellRange &cells, StepDirection direction)
{
    if (cells.top != cells.bottom)
        return;
    if (isLoopRow(cells.top)) {
        stepValue(context, cells.topLeft(), direction);
        return;
    }
    SessionDocument &document = context.document;
    const EditStep step = rangeEditStep(ValueSteppingTexts::tr("Step"), document.session().kind, cells);
    bool allInList = true;
    document.edit(step, [&](Session &session) {
        document.markModified();
        for (int column = cells.left; column <= cells.right; ++column)
            allInList = stepCellValue(session, {column, cells.top}, direction) && allInList;
    });
    if (!allInList)
        context.prompter.error(startNotInList());
}

EditStep rangeEditStep(const QString &verb, SessionKind kind, const CellRange &cells)
{
    const CellPos cell = cells.topLeft();
    const QString what = cells.left == cells.right
        ? ValueSteppingTexts::tr("%1 of Segment %2").arg(rowLabel(kind, cell.row)).arg(cells.left + 1)
        : ValueSteppingTexts::tr("%1 of Segments %2-%3")
              .arg(rowLabel(kind, cell.row))
              .arg(cells.left + 1)
              .arg(cells.right + 1);
    return {ValueSteppingTexts::tr("%1 %2", "a verb, then the cells it changes").arg(verb, what), cell, cells.left + 1,
            EditStep::NoMerge, cells.right - cells.left + 1};
}
