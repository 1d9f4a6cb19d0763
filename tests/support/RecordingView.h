#pragma once

#include "session/SessionView.h"

#include <QStringList>
#include <deque>

// A window stand-in for core tests: records what the commands ask of the
// window and answers its dialogs from a script.
class RecordingView : public SessionView
{
public:
    void cellsChanged() override { ++cellsChangedCount; }
    void timingChanged() override { ++timingChangedCount; }
    void setSessionShown(bool shown) override { sessionShown = shown; }
    void setCaption(const QString &text) override { caption = text; }
    void selectCell(const CellPos &cell) override { selected = cell; ++focusCount; }
    void focusGrid() override { ++focusCount; }
    void scrollToLastSegment() override { ++scrollCount; }
    int askSessionKind() override;

    std::deque<int> sessionKinds; // DualSession answers of the New Session Type dialog

    int cellsChangedCount = 0;
    int timingChangedCount = 0;
    int focusCount = 0;
    int scrollCount = 0;
    bool sessionShown = false;
    QString caption;
    CellPos selected{-1, -1};
};
