#pragma once

#include <QObject>

// Lets session files be dropped on a window: accepts a drag that carries a
// local file of a session format taken on drop (opened or imported), and
// reports the
// first one once the drop has ended, so that questions asked while opening it
// do not hold up the dragging program.
class SessionFileDrop : public QObject
{
    Q_OBJECT
public:
    // Watches target, which starts accepting drops.
    explicit SessionFileDrop(QWidget *target);

signals:
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
