#include "DefaultSegments.h"

#include "core/session/NewSession.h"

Session sessionOfDefaultSegments(SessionKind kind, int segments, const CellChanges &changes)
{
    Session session;
    session.kind = kind;
    session.cells.setColumnCount(segments);
    for (int column = 0; column < segments; ++column) {
        SessionGrid::Column cells = newSessionColumn(kind);
        cells[0] = QString::number(column + 1);
        for (const auto &[row, text] : changes)
            cells[size_t(row)] = text;
        session.cells.setColumn(column, cells);
    }
    return session;
}
