#pragma once

#include <QString>

// A line of stderr rewritten in place, such as a progress note; callers show
// it only while stderr is a terminal.
class TerminalLine
{
public:
    void show(const QString &line);
    // Blanks it, so that other lines can follow from its start.
    void clear();
    // Ends it where it stands: what follows goes below.
    void finish();
    bool isShown() const { return !mShown.isEmpty(); }

private:
    QString mShown;
};
