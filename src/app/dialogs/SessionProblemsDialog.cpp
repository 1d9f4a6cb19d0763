#include "app/dialogs/SessionProblemsDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
enum ProblemColumn { SegmentColumn, RowColumn, MessageColumn };
} // namespace

SessionProblemsDialog::SessionProblemsDialog(QWidget *parent)
    : QDialog(parent)
    , mList(new QTreeWidget(this))
    , mEmptyNote(new QLabel(tr("No problems"), mList->viewport()))
{
    setWindowTitle(tr("Check Session"));
    mList->setRootIsDecorated(false);
    mList->setAccessibleName(tr("Problems"));
    mList->setAccessibleDescription(tr("Enter or a click selects the problem's cell"));
    mList->setUniformRowHeights(true);
    mList->setHeaderLabels({tr("Segment"), tr("Row"), tr("Message")});
    mList->header()->setStretchLastSection(true);
    mList->setColumnWidth(SegmentColumn, 80);
    mList->setColumnWidth(RowColumn, 110);
    mEmptyNote->setAlignment(Qt::AlignCenter);
    mEmptyNote->setForegroundRole(QPalette::PlaceholderText);
    (new QVBoxLayout(mList->viewport()))->addWidget(mEmptyNote);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mList);
    resize(560, 260);
    // A window-wide key: the list would otherwise decide what Escape does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(mList, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { choose(item); });
    connect(mList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { choose(item); });
}

void SessionProblemsDialog::setProblems(const QList<SessionProblem> &problems, const QStringList &rowLabels)
{
    mProblems = problems;
    mList->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const QIcon noteIcon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    QList<QTreeWidgetItem *> items;
    items.reserve(problems.size());
    for (const SessionProblem &problem : problems) {
        const bool whole = problem.segment == 0;
        auto *item = new QTreeWidgetItem({whole ? tr("Session") : QString::number(problem.segment),
                                          whole ? QString() : rowLabels.value(problem.row), problem.text});
        const SessionProblem::Severity severity = problem.severity;
        item->setIcon(SegmentColumn, severity == SessionProblem::Error     ? errorIcon
                                     : severity == SessionProblem::Warning ? warningIcon
                                                                           : noteIcon);
        items.append(item);
    }
    mList->addTopLevelItems(items);
    mEmptyNote->setVisible(problems.isEmpty());
}

void SessionProblemsDialog::choose(QTreeWidgetItem *item)
{
    const SessionProblem &problem = mProblems.at(mList->indexOfTopLevelItem(item));
    if (problem.segment > 0)
        emit cellChosen(problem.segment - 1, problem.row);
}
