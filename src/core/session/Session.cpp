#include "core/session/Session.h"

#include "core/session/SessionRows.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionTexts
{
    Q_DECLARE_TR_FUNCTIONS(Session)
};

// A row's name in English, as the translations know it; none for the
// segment numbers.
const char *rowNameText(SessionKind kind, int row)
{
    static constexpr const char *Names[] = {nullptr,
                                            QT_TRANSLATE_NOOP("Session", "Time m:s"),
                                            QT_TRANSLATE_NOOP("Session", "Tone"),
                                            QT_TRANSLATE_NOOP("Session", "Start Freq"),
                                            QT_TRANSLATE_NOOP("Session", "Pitch"),
                                            QT_TRANSLATE_NOOP("Session", "Target Freq"),
                                            QT_TRANSLATE_NOOP("Session", "Chord"),
                                            QT_TRANSLATE_NOOP("Session", "Phase"),
                                            QT_TRANSLATE_NOOP("Session", "Duty Cycle"),
                                            QT_TRANSLATE_NOOP("Session", "Volume"),
                                            QT_TRANSLATE_NOOP("Session", "Intensity"),
                                            QT_TRANSLATE_NOOP("Session", "VI Ramp"),
                                            QT_TRANSLATE_NOOP("Session", "dbb Ramp"),
                                            QT_TRANSLATE_NOOP("Session", "Loop Segs"),
                                            QT_TRANSLATE_NOOP("Session", "Loop Times")};
    // A dual session's two tones in the rows of the pulsed one's frequencies.
    static constexpr const char *DualNames[] = {
        QT_TRANSLATE_NOOP("Session", "Freq 1"), QT_TRANSLATE_NOOP("Session", "Pitch 1"),
        QT_TRANSLATE_NOOP("Session", "Freq 2"), QT_TRANSLATE_NOOP("Session", "Pitch 2")};
    if (row < 0 || row >= SessionGrid::RowCount)
        return nullptr;
    if (kind == DualBinauralSession && row >= Freq1Row && row <= Pitch2Row)
        return DualNames[row - Freq1Row];
    return Names[row];
}

QStringList rowTexts(SessionKind kind, QString (*text)(const char *))
{
    QStringList texts;
    for (int row = 0; row < SessionGrid::RowCount; ++row) {
        const char *name = rowNameText(kind, row);
        texts.append(name ? text(name) : QString());
    }
    return texts;
}
} // namespace

QStringList rowLabels(SessionKind kind)
{
    return rowTexts(kind, [](const char *name) { return SessionTexts::tr(name); });
}

QString rowLabel(SessionKind kind, int row)
{
    const char *name = rowNameText(kind, row);
    return name ? SessionTexts::tr(name) : QString();
}

QStringList rowNames(SessionKind kind)
{
    return rowTexts(kind, [](const char *name) { return QString::fromUtf8(name); });
}

QString cellChangeText(SessionKind kind, const CellPos &cell)
{
    return SessionTexts::tr("Change %1 of Segment %2").arg(rowLabel(kind, cell.row)).arg(cell.column + 1);
}
