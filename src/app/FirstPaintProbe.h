#pragma once

#include <QObject>

class QWidget;

// Ends the application once a widget has painted for the first time, so that
// a start-up can be timed to what its user first sees.
class FirstPaintProbe : public QObject
{
public:
    explicit FirstPaintProbe(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
