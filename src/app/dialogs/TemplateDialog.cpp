#include "app/dialogs/TemplateDialog.h"

#include "app/dialogs/SessionDescriptionDialog.h"
#include "core/templates/TemplateLibrary.h"
#include "gui/graph/SessionThumbnail.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
enum TemplateColumn { NameColumn, KindColumn, LengthColumn, DescriptionColumn };
// The item's index in the library's list; none for a group.
constexpr int TemplateRole = Qt::UserRole;

QString lengthText(int seconds)
{
    return TemplateDialog::tr("%1:%2 min").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// The time graph, marked "2 beats" for a dual session, whose graph alone
// looks like a pulsed one's.
QPixmap templatePicture(const SessionTemplate &t)
{
    QImage picture = sessionThumbnail(t.cells, t.totalSeconds, TemplateDialog::PictureSize);
    if (t.kind == DualBinauralSession && !picture.isNull()) {
        QPainter painter(&picture);
        QFont small = painter.font();
        small.setPixelSize(11);
        small.setBold(true);
        painter.setFont(small);
        const QString mark = TemplateDialog::tr("2 beats");
        const QRect box = QRect(QPoint(), painter.fontMetrics().size(0, mark) + QSize(6, 2))
                              .translated(picture.width() - painter.fontMetrics().horizontalAdvance(mark) - 8, 1);
        painter.fillRect(box, QColor(230, 159, 0));
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, mark);
    }
    return QPixmap::fromImage(picture);
}

QString kindText(SessionKind kind)
{
    return kind == DualBinauralSession ? TemplateDialog::tr("Dual Binaural Beats")
                                       : TemplateDialog::tr("Pulsed/Binaural Beats");
}
} // namespace

TemplateDialog::TemplateDialog(TemplateLibrary &library, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , mLibrary(library)
    , mPrompter(prompter)
    , mList(new QTreeWidget(this))
    , mDescription(new QLabel(this))
{
    setWindowTitle(tr("New from Template"));
    mList->setAccessibleName(tr("Templates"));
    mList->setHeaderLabels({tr("Name"), tr("Kind"), tr("Length"), tr("Description")});
    mList->setIconSize(PictureSize);
    mList->header()->setStretchLastSection(true);
    mList->setColumnWidth(NameColumn, PictureSize.width() + 190);
    // Wide enough for either kind in every language.
    const QFontMetrics metrics = mList->fontMetrics();
    const int kindWidth = std::max(metrics.horizontalAdvance(kindText(PulsedSession)),
                                   metrics.horizontalAdvance(kindText(DualBinauralSession)));
    mList->setColumnWidth(KindColumn, std::max(150, kindWidth + 24));
    mList->setColumnWidth(LengthColumn, 80);
    mDescription->setAccessibleName(tr("Description of the template"));
    mDescription->setWordWrap(true);
    mDescription->setMinimumHeight(mDescription->fontMetrics().lineSpacing() * 5);
    mDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mDescription->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    mOpenButton = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    mRenameButton = buttons->addButton(tr("&Rename\u2026"), QDialogButtonBox::ActionRole);
    mDeleteButton = buttons->addButton(tr("&Delete\u2026"), QDialogButtonBox::ActionRole);
    mDescribeButton = buttons->addButton(tr("&Edit Description\u2026"), QDialogButtonBox::ActionRole);
    connect(mDescribeButton, &QPushButton::clicked, this, &TemplateDialog::describeCurrent);
    mOpenButton->setDefault(true);
    connect(mOpenButton, &QPushButton::clicked, this, &TemplateDialog::openCurrent);
    connect(mRenameButton, &QPushButton::clicked, this, &TemplateDialog::renameCurrent);
    connect(mDeleteButton, &QPushButton::clicked, this, &TemplateDialog::deleteCurrent);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mList, &QTreeWidget::currentItemChanged, this, &TemplateDialog::showCurrent);
    connect(mList, &QTreeWidget::itemActivated, this, [this] {
        if (current())
            openCurrent();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mList, 1);
    layout->addWidget(mDescription);
    layout->addWidget(buttons);
    resize(980, 640);
    fill(mLibrary.templates().isEmpty() ? QString() : mLibrary.templates().constFirst().filePath);
    mList->setFocus();
}

void TemplateDialog::fill(const QString &currentPath)
{
    mList->clear();
    auto *shipped = new QTreeWidgetItem(mList, {tr("Mirandel templates")});
    auto *own = new QTreeWidgetItem(mList, {tr("My templates")});
    QTreeWidgetItem *currentItem = nullptr;
    const QList<SessionTemplate> &templates = mLibrary.templates();
    for (qsizetype i = 0; i < templates.size(); ++i) {
        const SessionTemplate &t = templates.at(i);
        auto *item = new QTreeWidgetItem(t.own ? own : shipped,
                                         {t.name, kindText(t.kind), lengthText(t.totalSeconds), t.summary()});
        item->setData(NameColumn, TemplateRole, int(i));
        item->setIcon(NameColumn, templatePicture(t));
        item->setToolTip(DescriptionColumn, t.summary());
        if (t.filePath == currentPath)
            currentItem = item;
    }
    for (QTreeWidgetItem *group : {shipped, own}) {
        group->setFlags(Qt::ItemIsEnabled);
        group->setFirstColumnSpanned(true);
    }
    mList->expandAll();
    mList->setCurrentItem(currentItem ? currentItem : own);
    showCurrent();
}

const SessionTemplate *TemplateDialog::current() const
{
    const QTreeWidgetItem *item = mList->currentItem();
    const QVariant index = item ? item->data(NameColumn, TemplateRole) : QVariant();
    return index.isValid() ? &mLibrary.templates().at(index.toInt()) : nullptr;
}

void TemplateDialog::showCurrent()
{
    const SessionTemplate *t = current();
    mOpenButton->setEnabled(t);
    mRenameButton->setEnabled(t && t->own);
    mDeleteButton->setEnabled(t && t->own);
    mDescribeButton->setEnabled(t && t->own);
    if (t)
        mDescription->setText(t->descriptionLines.join(u'\n'));
    else
        mDescription->setText(tr("Keep a session of your own here with File > Save as Template."));
}

void TemplateDialog::openCurrent()
{
    if (const SessionTemplate *t = current()) {
        mChosen = *t;
        accept();
    }
}

void TemplateDialog::renameCurrent()
{
    const SessionTemplate *t = current();
    if (!t)
        return;
    const QString path = t->filePath; // the library reads its folders again
    if (mLibrary.rename(*t, mPrompter))
        fill(path);
}

void TemplateDialog::describeCurrent()
{
    const SessionTemplate *t = current();
    if (!t)
        return;
    SessionDescriptionDialog dialog(this);
    dialog.setLines(t->descriptionLines);
    const QString path = t->filePath; // the library reads its folders again
    if (dialog.exec() == QDialog::Accepted && mLibrary.describe(*t, dialog.lines(), mPrompter))
        fill(path);
}

void TemplateDialog::deleteCurrent()
{
    if (const SessionTemplate *t = current(); t && mLibrary.remove(*t, mPrompter))
        fill(QString());
}
