#include "app/dialogs/LossReportDialog.h"

#include "core/exchange/SessionImport.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString segmentRangesText(QList<int> segments)
{
    std::sort(segments.begin(), segments.end());
    segments.erase(std::unique(segments.begin(), segments.end()), segments.end());
    QStringList runs;
    for (qsizetype i = 0; i < segments.size();) {
        qsizetype j = i;
        while (j + 1 < segments.size() && segments.at(j + 1) == segments.at(j) + 1)
            ++j;
        runs.append(j == i ? QString::number(segments.at(i))
                           : u"%1\u2013%2"_s.arg(segments.at(i)).arg(segments.at(j)));
        i = j + 1;
    }
    return runs.join(u", "_s);
}

LossReportDialog::LossReportDialog(const QString &title, const QString &intro, const QString &acceptText,
                                   const QList<ExchangeNote> &notes, Grouping grouping, const QStringList &rowLabels,
                                   QWidget *parent)
    : QDialog(parent), mList(new QTreeWidget(this))
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(intro, this);
    label->setWordWrap(true);
    layout->addWidget(label);

    mList->setColumnCount(2);
    mList->setHeaderLabels({grouping == ByRow ? tr("Row") : (grouping == ByChange ? tr("Segments") : tr("Line")),
                            grouping == ByChange ? tr("Change") : tr("Segments")});
    mList->setAccessibleName(title);
    mList->setRootIsDecorated(grouping != ByChange);
    layout->addWidget(mList);
    if (grouping == ByChange)
        addChanges(notes);

    QMap<int, QList<ExchangeNote>> groups;
    for (const ExchangeNote &note : notes) {
        if (grouping != ByChange)
            groups[grouping == ByRow ? note.row : note.line].append(note);
    }
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        QString name;
        if (grouping == BySourceLine)
            name = group.key() > 0 ? tr("Line %1").arg(group.key()) : tr("The whole file");
        else
            name = group.key() > 0 ? rowLabels.value(group.key()) : tr("Segment");
        QList<int> segments;
        for (const ExchangeNote &note : group.value()) {
            if (note.segment > 0)
                segments.append(note.segment);
        }
        auto *item = new QTreeWidgetItem(mList, {name, segmentRangesText(segments)});
        for (const ExchangeNote &note : group.value()) {
            const QString where = note.segment > 0 ? tr("Segment %1").arg(note.segment) : tr("Session");
            const QString what = grouping == ByRow ? exchangeNoteText(note) : note.message;
            new QTreeWidgetItem(item, {where, what});
        }
    }
    mList->expandAll();
    mList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    mList->setCurrentItem(mList->topLevelItem(0));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *accept = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    accept->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 360);
}

void LossReportDialog::addChanges(const QList<ExchangeNote> &notes)
{
    for (const ExchangeNote &note : notes) {
        QString where = tr("Session");
        if (note.segment > 0)
            where = note.lastSegment > note.segment ? u"%1\u2013%2"_s.arg(note.segment).arg(note.lastSegment)
                                                    : QString::number(note.segment);
        auto *item = new QTreeWidgetItem(mList, {where, atLine(note.line, note.message)});
        if (note.changesPlay) { // what changes the time, a beat or what is heard stands out
            QFont font = item->font(1);
            font.setBold(true);
            item->setFont(1, font);
        }
    }
}
