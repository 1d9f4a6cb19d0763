#include "session/SegmentCommands.h"

#include "session/NewSession.h"
#include "session/Prompter.h"
#include "session/SegmentClipboard.h"
#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionRows.h"
#include "session/SessionView.h"
#include "session/TimingSummary.h"

using namespace Qt::Literals::StringLiterals;

namespace {
bool isInsideLoop(const SessionGrid &cells, int column)
{
    return cells.cell(column, LoopTimesRow) != u"0";
}

// Refuses a command that would add a segment when the session is full.
bool refuseWhenFull(const SessionContext &context)
{
    if (context.session.cells.columnCount() < SessionGrid::MaxSegments)
        return false;
    context.prompter.beep();
    context.prompter.error(u"Max 1000 Segments"_s);
    return true;
}

// Refuses a segment put before column k: the session is full, k is the
// first segment, or k belongs to a loop that would be split or shifted.
bool refuseInsertBefore(const SessionContext &context, int k, const QString &insideLoopMessage)
{
    if (refuseWhenFull(context))
        return true;
    if (k == 0) {
        context.prompter.error(u"Cannot insert segment 1"_s);
        return true;
    }
    if (isInsideLoop(context.session.cells, k)) {
        context.prompter.error(insideLoopMessage);
        return true;
    }
    return false;
}

void finishShift(const SessionContext &context, int k)
{
    context.session.modified = 1;
    context.view.cellsChanged();
    updateTimingSummary(context.session.cells, context.view, k + 1);
}

void insertNewSegmentBefore(const SessionContext &context, int k)
{
    context.session.cells.shiftRightFrom(k);
    fillNewSegment(context.session, k);
    finishShift(context, k);
}
} // namespace

void newSegment(const SessionContext &context)
{
    if (refuseWhenFull(context)) {
        context.view.scrollToLastSegment();
        return;
    }
    Session &session = context.session;
    const int k = session.cells.columnCount();
    session.cells.setColumnCount(k + 1);
    fillNewSegment(session, k);
    context.view.cellsChanged();
    context.view.selectCell({k, TimeRow});
    context.view.focusGrid();
    // Scrolled before the timing refresh, which a bad time text in another
    // segment may stop.
    context.view.scrollToLastSegment();
    updateTimingSummary(session.cells, context.view, k + 1);
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
    Session &session = context.session;
    if (k == 0) {
        context.prompter.error(u"Cannot delete segment 1"_s);
    } else if (isInsideLoop(session.cells, k)) {
        context.prompter.error(u"Cannot delete inside loop"_s);
    } else if (context.prompter.confirmOkCancel(u"Delete segment %1 ?"_s.arg(k + 1))) {
        const SessionGrid::Column &column = session.cells.column(k);
        clipboard.cells = QStringList(column.begin(), column.end());
        session.cells.shiftLeftOnto(k);
        session.modified = 1;
        context.view.cellsChanged();
    }
    updateTimingSummary(session.cells, context.view, k + 1);
}

void pasteSegment(const SessionContext &context, int k, const SegmentClipboard &clipboard)
{
    Session &session = context.session;
    if (refuseInsertBefore(context, k, u"Cannot paste inside loop"_s))
        return;
    if (clipboard.isEmpty()) {
        insertNewSegmentBefore(context, k);
        return;
    }
    session.cells.shiftRightFrom(k);
    for (int row = TimeRow; row < SessionGrid::RowCount; ++row)
        session.cells.setCell(k, row, clipboard.cells.value(row));
    finishShift(context, k);
}

void insertSegment(const SessionContext &context, int k)
{
    if (!refuseInsertBefore(context, k, u"Cannot insert inside loop"_s))
        insertNewSegmentBefore(context, k);
}
