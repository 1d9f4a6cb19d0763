#pragma once

#include <QObject>
#include <QStringList>
#include <utility>

class SessionDocument;
class SessionGrid;

// The timing panel under the session table: its two lines and the total of
// the last refresh that came to the end. Print and the time graph use it as
// it stands; every edit that can change a time refreshes it.
class TimingPanel : public QObject
{
    Q_OBJECT
public:
    explicit TimingPanel(QObject *parent = nullptr);

    const QStringList &lines() const { return mLines; }
    int totalSeconds() const { return mTotalSeconds; }

    // For segment s (from 1). A time or loop text that is not a number
    // leaves the lines written so far, keeps the previous total and throws
    // ConversionError.
    void refresh(const SessionGrid &cells, int s);
    // Refreshes as the document's edits, undos and redos say, and for
    // segment 1 when another session takes its place; a session whose times
    // cannot be counted then has no total (its reader reports why). A bad
    // number an edit's refresh meets is kept for takeFailure(): nothing
    // may leave a slot.
    void follow(const SessionDocument &document);
    // The text that is not a number the last followed edit met, once; empty
    // when none.
    QString takeFailure() { return std::exchange(mFailure, QString()); }

signals:
    void changed();

private:
    QStringList mLines{QString(), QString()};
    int mTotalSeconds = 0;
    QString mFailure;
};
