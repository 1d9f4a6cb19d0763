#pragma once

#include "core/exchange/ExchangeNote.h"

#include <QDialog>

class QTreeWidget;

// What an export cannot write, or what an import leaves out, before it
// happens: one line per row of the session (export) or per line of the
// source (import) with the segments it concerns, opened to one line per
// segment. The accept button goes on; Cancel changes nothing.
class LossReportDialog : public QDialog
{
    Q_OBJECT
public:
    // ByChange: one line per note, in the order given (an import's, most important first).
    enum Grouping { ByRow, BySourceLine, ByChange };

    // rowLabels: the labels of rows 0 to 14 of the session's kind.
    LossReportDialog(const QString &title, const QString &intro, const QString &acceptText,
                     const QList<ExchangeNote> &notes, Grouping grouping, const QStringList &rowLabels,
                     QWidget *parent = nullptr);

    QTreeWidget *list() const { return mList; }

private:
    void addChanges(const QList<ExchangeNote> &notes);

    QTreeWidget *mList;
};

// "1–3, 7": the segments, runs of neighbours joined.
QString segmentRangesText(QList<int> segments);
