#include "core/session/Session.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionTexts
{
    Q_DECLARE_TR_FUNCTIONS(Session)
};

QList<const char *> rowNameTexts(SessionKind kind)
{
    const bool dual = kind == DualBinauralSession;
    return {nullptr,
            QT_TRANSLATE_NOOP("Session", "Time m:s"),
            QT_TRANSLATE_NOOP("Session", "Tone"),
            dual ? QT_TRANSLATE_NOOP("Session", "Freq 1") : QT_TRANSLATE_NOOP("Session", "Start Freq"),
            dual ? QT_TRANSLATE_NOOP("Session", "Pitch 1") : QT_TRANSLATE_NOOP("Session", "Pitch"),
            dual ? QT_TRANSLATE_NOOP("Session", "Freq 2") : QT_TRANSLATE_NOOP("Session", "Target Freq"),
            dual ? QT_TRANSLATE_NOOP("Session", "Pitch 2") : QT_TRANSLATE_NOOP("Session", "Chord"),
            QT_TRANSLATE_NOOP("Session", "Phase"),
            QT_TRANSLATE_NOOP("Session", "Duty Cycle"),
            QT_TRANSLATE_NOOP("Session", "Volume"),
            QT_TRANSLATE_NOOP("Session", "Intensity"),
            QT_TRANSLATE_NOOP("Session", "VI Ramp"),
            QT_TRANSLATE_NOOP("Session", "dbb Ramp"),
            QT_TRANSLATE_NOOP("Session", "Loop Segs"),
            QT_TRANSLATE_NOOP("Session", "Loop Times")};
}

QStringList rowTexts(SessionKind kind, QString (*text)(const char *))
{
    QStringList texts;
    for (const char *name : rowNameTexts(kind))
        texts.append(name ? text(name) : QString());
    return texts;
}
} // namespace

QStringList rowLabels(SessionKind kind)
{
    return rowTexts(kind, [](const char *name) { return SessionTexts::tr(name); });
}

QStringList rowNames(SessionKind kind)
{
    return rowTexts(kind, [](const char *name) { return QString::fromUtf8(name); });
}

QString cellChangeText(SessionKind kind, const CellPos &cell)
{
    return SessionTexts::tr("Change %1 of Segment %2").arg(rowLabels(kind).value(cell.row)).arg(cell.column + 1);
}
