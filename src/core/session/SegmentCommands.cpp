#include "core/session/SegmentCommands.h"

#include "core/session/GlideAcross.h"
#include "core/session/NewSession.h"
#include "core/session/Prompter.h"
#include "core/session/SegmentClipboard.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/SessionRows.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SegmentCommandsTexts
{
    Q_DECLARE_TR_FUNCTIONS(SegmentCommands)
};

bool isInsideLoop(const SessionGrid &cells, int column)
{
    return cells.cell(column, LoopTimesRow) != u"0";
}

// A segment command at the selected segment, which refreshes the timing
// there. Its cell names the segment alone: the selection keeps its row.
EditStep segmentStep(const QString &text, int column)
{
    return {text.arg(column + 1), {column, 0}, column + 1};
}

// Refuses a command that would add a segment when the session is full.
bool refuseWhenFull(const SessionContext &context)
{
    if (context.document.cells().columnCount() < SessionGrid::MaxSegments)
        return false;
    context.prompter.beep();
    context.prompter.error(SegmentCommandsTexts::tr("Max 1000 Segments"));
    return true;
}

// Refuses a segment put before column k: the session is full, k is the
// first segment, or k belongs to a loop that would be split or shifted.
bool refuseInsertBefore(const SessionContext &context, int k, const QString &insideLoopMessage)
{
    if (refuseWhenFull(context))
        return true;
    if (k == 0) {
        context.prompter.error(SegmentCommandsTexts::tr("Cannot insert segment 1"));
        return true;
    }
    if (isInsideLoop(context.document.cells(), k)) {
        context.prompter.error(insideLoopMessage);
        return true;
    }
    return false;
}

void insertNewSegmentBefore(const SessionContext &context, const QString &text, int k)
{
    context.document.edit(segmentStep(text, k), [k](Session &session) {
        session.cells.shiftRightFrom(k);
        fillNewSegment(session, k);
    });
}
} // namespace

bool newSegment(const SessionContext &context, NewSegmentStart start)
{
    if (refuseWhenFull(context))
        return false;
    const int k = context.document.cells().columnCount();
    context.document.edit({SegmentCommandsTexts::tr("New Segment"), {k, 1}, k + 1}, [k, start](Session &session) {
        session.cells.setColumnCount(k + 1);
        fillNewSegment(session, k);
        if (start == NewSegmentStart::WhereGlideEnded)
            startWhereGlideEnded(session, k);
    });
    return true;
}

void copySegment(const SessionGrid &cells, int column, SegmentClipboard &clipboard)
{
    const SessionGrid::Column &texts = cells.column(column);
    clipboard.cells = QStringList(texts.begin(), texts.end());
    clipboard.cells[LoopSegsRow] = u"0"_s;
    clipboard.cells[LoopTimesRow] = u"0"_s;
}

void cutSegment(const SessionContext &context, int k, SegmentClipboard &clipboard)
{
    // A refusal is an edit too: it refreshes the timing like a cut.
    context.document.edit(segmentStep(SegmentCommandsTexts::tr("Cut Segment %1"), k), [&](Session &session) {
        if (k == 0) {
            context.prompter.error(SegmentCommandsTexts::tr("Cannot delete segment 1"));
        } else if (isInsideLoop(session.cells, k)) {
            context.prompter.error(SegmentCommandsTexts::tr("Cannot delete inside loop"));
        } else if (context.prompter.confirmOkCancel(SegmentCommandsTexts::tr("Delete segment %1 ?").arg(k + 1))) {
            const SessionGrid::Column &column = session.cells.column(k);
            clipboard.cells = QStringList(column.begin(), column.end());
            session.cells.shiftLeftOnto(k);
        }
    });
}

void pasteSegment(const SessionContext &context, int k, const SegmentClipboard &clipboard)
{
    if (refuseInsertBefore(context, k, SegmentCommandsTexts::tr("Cannot paste inside loop")))
        return;
    if (clipboard.isEmpty()) {
        insertNewSegmentBefore(context, SegmentCommandsTexts::tr("Paste Segment %1"), k);
        return;
    }
    context.document.edit(segmentStep(SegmentCommandsTexts::tr("Paste Segment %1"), k), [&](Session &session) {
        session.cells.shiftRightFrom(k);
        for (int row = 1; row < SessionGrid::RowCount; ++row)
            session.cells.setCell(k, row, clipboard.cells.value(row));
    });
}

void insertSegment(const SessionContext &context, int k)
{
    if (!refuseInsertBefore(context, k, SegmentCommandsTexts::tr("Cannot insert inside loop")))
        insertNewSegmentBefore(context, SegmentCommandsTexts::tr("Insert Segment %1"), k);
}
