#pragma once

#include <QList>
#include <QString>

struct DeviceInfo;
struct Session;

// One thing that stops or spoils a download of the session, or that its user
// should know of it, with the text the program shows for it.
struct SessionProblem
{
    enum Severity { Error, Warning, Note };
    Severity severity = Error;
    int segment = 0; // from 1; 0 for the whole session
    int row = 0;     // 1 to 14; 0 for the whole session
    QString text;

    bool operator==(const SessionProblem &other) const
    {
        return severity == other.severity && segment == other.segment && row == other.row && text == other.text;
    }
};

// Every problem a download of the session would meet, in the order it would
// meet them and with the texts it would show, without showing any, touching
// a port or changing anything: the refusal of a session longer than the
// image, the encoder's findings segment by segment (errors: the download
// would fail or send a value the session does not hold; a tone group change
// is a warning), loops that overlap or run past the last segment (warnings),
// and, given the device of the last identification, an append it would
// refuse (warnings: a clear download makes no such check). Unlike a
// download, it goes on past a refusal or a text that is not a number, so
// that every segment is examined. The light's flash rates follow
// (flashRateFindings()).
QList<SessionProblem> checkSession(const Session &session, const DeviceInfo *device = nullptr);

// "No problems", or "2 errors, 1 warning"; notes are no problems.
QString problemSummary(const QList<SessionProblem> &problems);
