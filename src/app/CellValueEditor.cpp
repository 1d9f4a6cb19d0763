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
    setTextMargins(0, 0, PreviewWidth, 0);
    mPreview->setForegroundRole(QPalette::PlaceholderText);
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
    mPreview->setGeometry(width() - PreviewWidth, 0, PreviewWidth, height());
}
