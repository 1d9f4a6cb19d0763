#include "core/listing/SessionListing.h"

#include "core/session/Session.h"

#include <QLocale>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace SessionListing {

namespace {
// Blanks before each field of a segment line and the field's width, by row.
struct Field
{
    int gap;
    int width;
};
constexpr std::array<Field, SessionGrid::RowCount> SegmentFields{{
    {1, 2}, {1, 7}, {2, 3}, {2, 4}, {3, 3}, {3, 4}, {4, 3}, {3, 3},
    {3, 2}, {3, 3}, {2, 3}, {2, 5}, {3, 4}, {3, 2}, {3, 2},
}};
} // namespace

QString title(const QString &sessionName, const QString &fileName, const QString &shortDate)
{
    // Plain concatenation: a "%" in a name or path must come out as typed.
    return u"Light Sound Session ["_s + sessionName + u"]  File:["_s + fileName + u"]  \t"_s + shortDate;
}

QString header(SessionKind kind)
{
    return kind == DualBinauralSession
               ? u"Seg   Time   Tone Freq1 Pitch1 Freq2  Pitch2 Phase Duty Vol  Int  Viramp  Phchg  Framp  LSeg LRpt"_s
               : u"Seg   Time   Tone Freq  Pitch  RampTo Chord  Phase Duty Vol  Int  Viramp  Phchg    --   LSeg LRpt"_s;
}

QString segmentLine(const SessionGrid &cells, int column)
{
    QString line;
    line.reserve(100);
    for (int row = SegmentNumberRow; row < SessionGrid::RowCount; ++row) {
        const Field field = SegmentFields[size_t(row)];
        const QString text = row == SegmentNumberRow ? QString::number(column + 1) : cells.cell(column, row);
        line += QString(field.gap, u' ');
        line += text.rightJustified(field.width, u' ', false);
    }
    return line;
}

QStringList lines(const Session &session, const QString &totalLine, const QString &shortDate)
{
    const SessionGrid &cells = session.cells;
    QStringList out;
    out.reserve(cells.columnCount() + session.descriptionLines.size() + 5);
    out << title(session.name, session.fileName, shortDate) << header(session.kind);
    for (int column = 0; column < cells.columnCount(); ++column)
        out << segmentLine(cells, column);
    out << QString() << totalLine << QString();
    out << session.descriptionLines;
    return out;
}

QString shortDate(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

} // namespace SessionListing
