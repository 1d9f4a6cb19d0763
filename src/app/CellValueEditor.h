#pragma once

#include "core/session/ValueMatching.h"

#include <QAbstractItemDelegate>
#include <QLineEdit>
#include <functional>

class QLabel;

// The editor of a session cell: the text typed, the row's list as a
// completer, and beside the text the entry it will become ("→ 8.5"), or "?"
// with the reason when it matches nothing. Enter and Tab end it with the
// text, also when they reach it through the completer's list; a text that
// matches nothing becomes the completer's first entry for it.
class CellValueEditor : public QLineEdit
{
    Q_OBJECT
public:
    using Matcher = std::function<ValueMatch(const QString &)>;
    CellValueEditor(const QStringList &entries, Matcher matcher, QWidget *parent);

    QString preview() const;
    // Room beside the text for the longest preview of this row.
    int previewWidth() const { return mPreviewWidth; }

signals:
    void submitted(QAbstractItemDelegate::EndEditHint hint);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showMatch();
    void takeCompletionIfUnmatched();

    Matcher mMatcher;
    QLabel *mPreview;
    int mPreviewWidth = 0;
};
