#pragma once

#include "core/check/SessionCheck.h"

#include <QDialog>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// "Check Session": the problems a download of the session would meet, one a
// line, kept up to date while it stays open beside the main window; "No
// problems" when there are none. Escape closes it, whatever in it has the focus.
class SessionProblemsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SessionProblemsDialog(QWidget *parent = nullptr);

    // rowLabels names rows 1 to 14 of the session's kind.
    void setProblems(const QList<SessionProblem> &problems, const QStringList &rowLabels);
    QTreeWidget *list() const { return mList; }
    // "No problems", shown in the list while it is empty.
    QLabel *emptyNote() const { return mEmptyNote; }

signals:
    // A problem of one segment was chosen: select its cell (column from 0).
    void cellChosen(int column, int row);

private:
    void choose(QTreeWidgetItem *item);

    QTreeWidget *mList;
    QLabel *mEmptyNote;
    QList<SessionProblem> mProblems;
};
