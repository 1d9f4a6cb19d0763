#include "core/session/Session.h"

#include "core/session/SessionRowTable.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionTexts
{
    Q_DECLARE_TR_FUNCTIONS(Session)
};

QStringList rowTexts(SessionKind kind, QString (*text)(const char *))
{
    QStringList texts;
    for (int row = 0; row < SessionGrid::RowCount; ++row) {
        const char *name = SessionRowTable::nameText(kind, row);
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
    const char *name = SessionRowTable::nameText(kind, row);
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
