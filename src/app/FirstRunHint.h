#pragma once

#include <QLabel>
#include <QCoreApplication>

// What to do first, centred in the main window while no session is shown.
class FirstRunHint : public QLabel
{
    Q_DECLARE_TR_FUNCTIONS(FirstRunHint)
public:
    // Covers the whole parent, also after it is resized.
    explicit FirstRunHint(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
