#pragma once

#include "core/session/SessionGrid.h"
#include "core/session/SessionKind.h"

#include <QByteArrayView>
#include <QStringList>

class Prompter;

// A session file as the reader takes it, before it replaces the session.
struct SessionFileContent
{
    QString name;
    QStringList descriptionLines;
    SessionKind kind = PulsedSession;
    SessionGrid cells;
    bool formatErrors = false;     // segment lines were faulty, or there was none
    bool cut = false;              // sound segment lines beyond the limit were left out
    bool descriptionCut = false;   // description lines beyond the limit were left out
    bool endedAtNul = false;       // a NUL byte ended the text; what followed was not read
    bool readable = false;         // a name or description line, or a segment line whose time reads
    bool nameCut = false;          // the name line was longer than a name is kept
    bool descriptionLineCut = false; // a description line was longer than a line is kept
};

// Reads a session file piece by piece, so that its memory is bounded by what
// it keeps (1000 segments and the description), not by the file. Empty lines
// are passed over. A faulty segment line (a TAB missing, a time whose minutes
// or seconds are not integers, a line beyond any sound length) is left out,
// so it costs no other segment; only when no segment line is sound does the
// first faulty one stand, completed from the new-session segment. The kind
// comes from the tone of the first segment that stands; without one,
// kindBefore is kept. Duty cycles that are not numbers are reported
// through the prompter as they are met. A NUL byte ends the text.
class SessionFileParser
{
public:
    // Characters kept of the name line and of each description line.
    static constexpr int NameLength = 40;
    static constexpr int DescriptionLineLength = 256;
    static constexpr int DescriptionLineLimit = 10000;
    static constexpr qsizetype LineLengthLimit = 64 * 1024;

    SessionFileParser(SessionKind kindBefore, Prompter &prompter);

    // Takes the next bytes of the file; false once the text has ended, after
    // which further bytes are not read.
    bool feed(QByteArrayView bytes);
    SessionFileContent finish();

private:
    void endLine();
    void takeLine(QByteArrayView line);
    bool isSoundSegmentLine(QByteArrayView line) const;
    static bool hasReadableTime(QByteArrayView line);

    Prompter &mPrompter;
    SessionKind mKindBefore;
    SessionFileContent mContent;
    QByteArray mLine;
    bool mLineTooLong = false;
    bool mSkipLineFeed = false; // the last line ended at a CR
    bool mFirstLine = true;
    QStringList mKept;          // sound segment lines, decoded, at most the segment limit
    QByteArray mFirstFaulty;    // stands only when no line is sound
    bool mAnySegment = false;
};

// The whole file at once.
SessionFileContent parseSessionFile(QByteArrayView bytes, SessionKind kindBefore, Prompter &prompter);
