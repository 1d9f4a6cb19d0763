#include "EditingFixtures.h"

#include "session/NewSession.h"

using namespace Qt::Literals::StringLiterals;

Session sessionOfSegments(int dualSession, int count, const QString &time)
{
    Session session;
    session.DualSession = dualSession;
    session.cells.setColumnCount(count);
    SessionGrid::Column cells = NewSessionColumn(dualSession);
    cells[1] = time;
    for (int column = 0; column < count; ++column) {
        cells[0] = QString::number(column + 1);
        session.cells.setColumn(column, cells);
    }
    return session;
}

void PutLoop(SessionGrid &cells, int first, int n, int t)
{
    for (int column = first; column < first + n; ++column) {
        cells.setCell(column, 13, column == first ? QString::number(n) : u"0"_s);
        cells.setCell(column, 14, QString::number(t));
    }
}
