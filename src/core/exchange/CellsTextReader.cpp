#include "core/exchange/CellsTextReader.h"

#include "core/session/NewSession.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>

namespace {
// One context for lupdate and the translator alike.
struct CellsImport
{
    Q_DECLARE_TR_FUNCTIONS(CellsImport)
};
} // namespace

SessionImport readCellsText(QByteArrayView bytes)
{
    Session session;
    session.name = newSessionName();
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    int segments = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        const int number = int(i + 1);
        if (fields.size() != SessionGrid::RowCount)
            return {std::nullopt,
                    atLine(number, CellsImport::tr("%1 fields where a segment has 15").arg(fields.size())), {}};
        if (segments == SessionGrid::MaxSegments)
            return {std::nullopt, atLine(number, CellsImport::tr("more than 1000 segments")), {}};
        session.cells.setColumnCount(++segments);
        for (int row = SegmentNumberRow + 1; row < SessionGrid::RowCount; ++row)
            session.cells.setCell(segments - 1, row, fields.at(row));
    }
    if (segments == 0)
        return {std::nullopt, atLine(1, CellsImport::tr("no segment")), {}};
    session.kind = ValueLists::isDualTone(session.cells.cell(0, ToneRow)) ? DualBinauralSession : PulsedSession;
    return {session, QString(), {}};
}
