#pragma once

#include "core/exchange/ExchangeNote.h"

#include <QHash>
#include <QList>

// Gathers what an import changes, segment by segment, and tells it in a few
// lines: one per kind of change and range of segments, the values it
// rounded or clamped as old → new, what changes the play first.
class ImportLosses
{
public:
    // A change of one kind in one segment; detail: "12.5 → 12", or empty.
    void add(const QString &kind, int segment, const QString &detail = QString(), bool changesPlay = false,
             int row = 0, int line = 0);
    // The lines, at most `most` of them.
    QList<ExchangeNote> notes(int most = 12) const;

private:
    struct Kind
    {
        QString name;
        QList<int> segments; // ascending
        QStringList details;
        QList<int> lines;
        bool changesPlay = false;
        int row = 0;
    };
    QList<Kind> mKinds;
    QHash<QString, qsizetype> mIndex;
};
