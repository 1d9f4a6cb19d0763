#include "app/SessionSheet.h"

#include "app/CellEditDelegate.h"
#include "app/SessionGridModel.h"
#include "app/SessionTableView.h"
#include "core/session/RowDescriptions.h"
#include "core/session/ValueStepping.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>

namespace {
constexpr int RowHeight = 22;
constexpr QRect UpButtonPlace(138, 392, 88, 33);
} // namespace

SessionSheet::SessionSheet(SessionEditor &editor, SessionGridModel &model, QWidget *client, int gridWidth)
    : QObject(client), mEditor(editor), mModel(model)
{
    createTable(client, gridWidth);
    createButtons(client);
    createTimingPanel(client);
    for (QWidget *control : controls())
        control->hide();
    // Made after the window was shown, the hidden grid would lay out its
    // viewport only when first shown, and scrolling measures it before.
    mTable->doItemsLayout();
    showRowLabels();
    showTiming();
    showSelection();

    const SessionDocument &document = editor.document();
    connect(&document, &SessionDocument::kindChanged, this, &SessionSheet::showRowLabels);
    connect(&document, &SessionDocument::replaced, this, &SessionSheet::showRowLabels);
    connect(&editor.timing(), &TimingPanel::changed, this, &SessionSheet::showTiming);
    connect(&editor, &SessionEditor::selectionChanged, this, [this] {
        if (!mTaking)
            showSelection();
    });
    QItemSelectionModel *selection = mTable->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            [this] { takeSelection(SessionEditor::Source::Command); });
    // The current cell moves when the user moves it, or when columns it
    // stood on come or go.
    connect(selection, &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        takeSelection(current.isValid() && !mModel.isFollowing() ? SessionEditor::Source::User
                                                                 : SessionEditor::Source::Command);
    });
}

void SessionSheet::createTable(QWidget *client, int gridWidth)
{
    mRowLabels = new QTableWidget(SessionGrid::RowCount, 1, client);
    mRowLabels->setGeometry(0, 0, RowLabelWidth, 369);
    mRowLabels->setEnabled(false);
    mRowLabels->setFrameShape(QFrame::NoFrame);
    mRowLabels->horizontalHeader()->hide();
    mRowLabels->verticalHeader()->hide();
    mRowLabels->verticalHeader()->setDefaultSectionSize(RowHeight);
    mRowLabels->setColumnWidth(0, RowLabelWidth);
    mRowLabels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mRowLabels->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont labelFont = mRowLabels->font();
    labelFont.setBold(true);
    labelFont.setPixelSize(12);
    mRowLabels->setFont(labelFont);
    QPalette labelPalette = mRowLabels->palette();
    labelPalette.setColor(QPalette::Disabled, QPalette::Text, labelPalette.color(QPalette::Active, QPalette::Text));
    mRowLabels->setPalette(labelPalette);
    mRowLabels->setAccessibleName(tr("Row labels"));
    for (int row = SegmentNumberRow; row < SessionGrid::RowCount; ++row) {
        mRowLabels->setRowHeight(row, RowHeight);
        mRowLabels->setItem(row, 0, new QTableWidgetItem);
    }
    // The label of the segment numbers' row is blank, not nameless.
    mRowLabels->item(SegmentNumberRow, 0)->setData(Qt::AccessibleTextRole, tr("Segment"));

    mTable = new SessionTableView(client);
    mTable->setGeometry(RowLabelWidth, 0, gridWidth, 385);
    mTable->setModel(&mModel);
    mTable->setItemDelegate(new CellEditDelegate(mEditor, mTable));
    mTable->setFrameShape(QFrame::NoFrame);
    mTable->horizontalHeader()->hide();
    mTable->verticalHeader()->hide();
    // A column is 60 pixels plus its grid line.
    mTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mTable->horizontalHeader()->setDefaultSectionSize(ColumnWidth + 1);
    mTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mTable->verticalHeader()->setMinimumSectionSize(RowHeight);
    mTable->verticalHeader()->setDefaultSectionSize(RowHeight);
    mTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    mTable->setSelectionMode(QAbstractItemView::ContiguousSelection);
    mTable->setTabKeyNavigation(false);
    mTable->setAccessibleName(tr("Session table"));
    mTable->setAccessibleDescription(tr("One column for each segment; the rows are its settings"));
    mTable->horizontalScrollBar()->setAccessibleName(tr("Segments"));
}

void SessionSheet::createButtons(QWidget *client)
{
    mNewSegmentButton = new QPushButton(tr("New Segment(N)"), client);
    mNewSegmentButton->setGeometry(13, 392, 113, 33);
    mUpButton = new QPushButton(tr("Up(+)"), client);
    mUpButton->setGeometry(UpButtonPlace);
    mDownButton = new QPushButton(tr("Down(-)"), client);
    mDownButton->setGeometry(238, 392, 89, 33);
    for (QPushButton *button : {mNewSegmentButton, mUpButton, mDownButton})
        button->setFocusPolicy(Qt::ClickFocus);
    mNewSegmentButton->setToolTip(tr("Adds a segment after the last one (key N)"));
    mUpButton->setToolTip(tr("Steps the selected cell to its next value (key +)"));
    mDownButton->setToolTip(tr("Steps the selected cell to its previous value (key -)"));
    // Read aloud, the key in brackets would be spelled out; the tooltip says it.
    mNewSegmentButton->setAccessibleName(tr("New Segment"));
    mUpButton->setAccessibleName(tr("Up"));
    mDownButton->setAccessibleName(tr("Down"));
    // Through runCommand, like the keys: bad cell text must not end the program.
    connect(mNewSegmentButton, &QPushButton::clicked, this, [this] { mEditor.runCommand([this] { addSegment(); }); });
    connect(mUpButton, &QPushButton::clicked, this, [this] { step(StepDirection::Up); });
    connect(mDownButton, &QPushButton::clicked, this, [this] { step(StepDirection::Down); });
}

void SessionSheet::createTimingPanel(QWidget *client)
{
    mTimingPanel = new QPlainTextEdit(client);
    mTimingPanel->setGeometry(339, 388, 270, 45);
    mTimingPanel->setReadOnly(true);
    mTimingPanel->setLineWrapMode(QPlainTextEdit::NoWrap);
    mTimingPanel->setFocusPolicy(Qt::NoFocus);
    mTimingPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mTimingPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mTimingPanel->setAccessibleName(tr("Timing"));
    mTimingPanel->setAccessibleDescription(tr("Times of the selected segment and of the whole session"));
}

std::array<QWidget *, 6> SessionSheet::controls() const
{
    return {mTable, mRowLabels, mTimingPanel, mNewSegmentButton, mUpButton, mDownButton};
}

void SessionSheet::setVisible(bool visible)
{
    for (QWidget *control : controls())
        control->setVisible(visible);
}

void SessionSheet::setGridWidth(int width)
{
    mTable->resize(width, mTable->height());
}

void SessionSheet::focusGrid()
{
    mTable->setFocus();
}

int SessionSheet::buttonRowBottom() const
{
    return mUpButton->y() + mUpButton->height();
}

void SessionSheet::addSegment()
{
    // Also when refused, and when the timing refresh finds a bad number.
    const auto scroll = qScopeGuard([this] { scrollToLastSegment(); });
    mEditor.newSegment();
}

void SessionSheet::step(StepDirection direction)
{
    mEditor.runCommand([this, direction] {
        mEditor.stepSelectedCell(direction);
        focusGrid();
    });
}

void SessionSheet::scrollToLastSegment()
{
    const int visible = mTable->viewport()->width() / (ColumnWidth + 1);
    const int segments = mEditor.session().cells.columnCount();
    // The scroll bar stops where the last column meets the right edge, one
    // column short of this leftmost column: the last segment shows either way.
    if (visible < segments)
        mTable->horizontalScrollBar()->setValue(segments - visible + 1);

}

void SessionSheet::showRowLabels()
{
    const SessionKind kind = mEditor.session().kind;
    const QStringList labels = ::rowLabels(kind);
    for (int row = SegmentNumberRow; row < SessionGrid::RowCount; ++row)
        mRowLabels->item(row, 0)->setText(labels.at(row));
    for (int row = TimeRow; row < SessionGrid::RowCount; ++row)
        mRowLabels->item(row, 0)->setToolTip(rowDescription(kind, row));
}

void SessionSheet::showTiming()
{
    // Laying text out is most of what a selection costs: only a line that
    // changed is set again.
    QTextDocument *panel = mTimingPanel->document();
    const QStringList &lines = mEditor.timing().lines();
    if (panel->blockCount() != lines.size()) {
        mTimingPanel->setPlainText(lines.join(u'\n'));
        return;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QTextBlock block = panel->findBlockByNumber(i);
        if (block.text() == lines.at(i))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(lines.at(i));
    }
}

void SessionSheet::showSelection()
{
    const QScopedValueRollback showing(mShowing, true);
    const CellPos &current = mEditor.currentCell();
    const CellRange &range = mEditor.selection();
    const QModelIndex index = mModel.index(current.row, current.column);
    // Through the view, so that Shift and an arrow extend from this cell.
    mTable->setCurrentIndex(index);
    if (range.left != range.right || range.top != range.bottom) {
        mTable->selectionModel()->select(
            QItemSelection(mModel.index(range.top, range.left), mModel.index(range.bottom, range.right)),
            QItemSelectionModel::Select);
    }
    mTable->scrollTo(index);
    focusGrid();
}

void SessionSheet::takeSelection(SessionEditor::Source source)
{
    if (mShowing)
        return;
    const QModelIndex current = mTable->currentIndex();
    CellPos cell = mEditor.currentCell();
    CellRange range;
    if (current.isValid()) {
        cell = {current.column(), current.row()};
        range = {cell.column, cell.row, cell.column, cell.row};
    }
    const QItemSelection selection = mTable->selectionModel()->selection();
    if (!selection.isEmpty()) {
        range = {INT_MAX, INT_MAX, -1, -1};
        for (const QItemSelectionRange &part : selection) {
            range.left = std::min(range.left, part.left());
            range.top = std::min(range.top, part.top());
            range.right = std::max(range.right, part.right());
            range.bottom = std::max(range.bottom, part.bottom());
        }
    }
    const QScopedValueRollback taking(mTaking, true);
    mEditor.select(range, cell, source);
}
