#pragma once

#include <QLabel>
#include <QCoreApplication>

// Who should not use light stimulation, under the first-run hint of a user's
// first start. It asks nothing and takes no focus, so nothing waits for it.
class SafetyNotice : public QLabel
{
    Q_DECLARE_TR_FUNCTIONS(SafetyNotice)
public:
    // Along the bottom of the parent, also after it is resized.
    explicit SafetyNotice(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
};
