#include "core/exchange/CellsTextReader.h"

#include "core/files/SessionFileParser.h"
#include "core/files/Windows1252.h"
#include "core/session/NewSession.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>

namespace {
// One context for lupdate and the translator alike.
struct CellsImport
{
    Q_DECLARE_TR_FUNCTIONS(CellsImport)
};

// Where a row's cell starts in its line, from 1.
qsizetype columnOf(const QStringList &fields, int row)
{
    qsizetype column = 1;
    for (int before = 0; before < row; ++before)
        column += fields.at(before).size() + 1;
    return column;
}

// Why a session file would not give the line's cells back, with the column
// (from 1); empty when it would.
QString unkeptCells(const QString &line, const QStringList &fields)
{
    // The written line: the cells, the segment's place, a reserved field,
    // the TABs and the line break.
    if (line.size() + 32 > SessionFileParser::LineLengthLimit)
        return CellsImport::tr("longer than a session file keeps a line");
    const QByteArray encoded = Windows1252::encode(line);
    const bool unknown = encoded.size() != line.size() || encoded.count('?') != line.count(u'?');
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c.category() == QChar::Other_Control && c != u'\t')
            return CellsImport::tr("column %1: a control character (U+%2) in a cell")
                .arg(i + 1)
                .arg(c.unicode(), 4, 16, QChar(u'0'));
        const QStringView character = QStringView(line).sliced(i, c.isHighSurrogate() && i + 1 < line.size() ? 2 : 1);
        if (unknown && c != u'?' && Windows1252::encode(character) == "?")
            return CellsImport::tr("column %1: \"%2\" is a character a session file cannot hold").arg(i + 1).arg(character);
    }
    // A session file leaves out a segment whose time it cannot read, and
    // complains of a duty cycle that is not a number.
    if (!TextNumbers::tryHalfSecondsOfTime(fields.at(TimeRow)))
        return CellsImport::tr("column %1: time \"%2\" is not minutes and seconds")
            .arg(columnOf(fields, TimeRow))
            .arg(fields.at(TimeRow));
    const QString &duty = fields.at(DutyCycleRow);
    if (!duty.isEmpty() && !QuarterUnitList::of(duty))
        return CellsImport::tr("column %1: duty cycle \"%2\" is not a number").arg(columnOf(fields, DutyCycleRow)).arg(duty);
    return {};
}
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
        if (const QString unkept = unkeptCells(line, fields); !unkept.isEmpty())
            return {std::nullopt, atLine(number, unkept), {}};
        session.cells.setColumnCount(++segments);
        for (int row = SegmentNumberRow + 1; row < SessionGrid::RowCount; ++row)
            session.cells.setCell(segments - 1, row, fields.at(row));
    }
    if (segments == 0)
        return {std::nullopt, atLine(1, CellsImport::tr("no segment")), {}};
    session.kind = ValueLists::isDualTone(session.cells.cell(0, ToneRow)) ? DualBinauralSession : PulsedSession;
    return {session, QString(), {}};
}
