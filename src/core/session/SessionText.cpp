#include "core/session/SessionText.h"

#include "core/session/SessionGrid.h"

namespace SessionText {
QString segmentLine(const SessionGrid &grid, int column)
{
    const SessionGrid::Column &cells = grid.column(column);
    return QStringList(cells.begin(), cells.end()).join(u'\t');
}

QString session(const SessionGrid &grid)
{
    QString text;
    for (int column = 0; column < grid.columnCount(); ++column)
        text += segmentLine(grid, column) + u'\n';
    return text;
}
} // namespace SessionText
