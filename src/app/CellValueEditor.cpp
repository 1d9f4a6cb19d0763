#include "app/CellValueEditor.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

CellValueEditor::CellValueEditor(const QStringList &entries, Matcher matcher, QWidget *parent)
    : QLineEdit(parent)
    , mMatcher(std::move(matcher))
    , mPreview(new QLabel(this))
{
    setFrame(false);
    mPreview->setForegroundRole(QPalette::PlaceholderText);
    const QFontMetrics metrics = mPreview->fontMetrics();
    mPreviewWidth = metrics.horizontalAdvance(u"?"_s);
    for (const QString &entry : entries)
        mPreviewWidth = std::max(mPreviewWidth, metrics.horizontalAdvance(u"\u2192 "_s + entry));
    mPreviewWidth += metrics.averageCharWidth();
    setTextMargins(0, 0, mPreviewWidth, 0);
    if (!entries.isEmpty()) {
        auto *completer = new QCompleter(entries, this);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        setCompleter(completer);
    }
    connect(this, &QLineEdit::textChanged, this, &CellValueEditor::showMatch);
}

QString CellValueEditor::preview() const
{
    return mPreview->text();
}

void CellValueEditor::takeCompletionIfUnmatched()
{
    if (mMatcher(text()).matched() || !completer() || text().trimmed().isEmpty())
        return;
    completer()->setCompletionPrefix(text().trimmed());
    if (completer()->completionCount() > 0)
        setText(completer()->currentCompletion());
}

void CellValueEditor::showMatch()
{
    const ValueMatch match = mMatcher(text());
    if (!match.matched()) {
        mPreview->setText(u"?"_s);
        mPreview->setToolTip(match.problem);
    } else {
        mPreview->setText(match.entry == text().trimmed() ? QString() : u"\u2192 "_s + match.entry);
        mPreview->setToolTip(QString());
    }
}

bool CellValueEditor::event(QEvent *event)
{
    // Taken before the line edit moves the focus on Tab, and also when the
    // completer hands the key over without the delegate seeing it.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            takeCompletionIfUnmatched();
            emit submitted(QAbstractItemDelegate::SubmitModelCache);
            return true;
        case Qt::Key_Tab:
            emit submitted(QAbstractItemDelegate::EditNextItem);
            return true;
        case Qt::Key_Backtab:
            emit submitted(QAbstractItemDelegate::EditPreviousItem);
            return true;
        default:
            break;
        }
    }
    return QLineEdit::event(event);
}

void CellValueEditor::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    mPreview->setGeometry(width() - mPreviewWidth, 0, mPreviewWidth, height());
}
