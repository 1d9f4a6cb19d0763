#pragma once

#include <QLabel>

// What to do first, centred in the main window while no session is shown.
class FirstRunHint : public QLabel
{
public:
    // Covers the whole parent, also after it is resized.
    explicit FirstRunHint(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
