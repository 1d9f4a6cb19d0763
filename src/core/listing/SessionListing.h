#pragma once

#include "core/session/SessionKind.h"

#include <QDate>
#include <QStringList>

class SessionGrid;
struct Session;

// The printed session listing as plain text lines, exactly as the printer
// writes them: title, column header, one line per segment, an empty line, the
// timing panel's second line as it stands, an empty line, the description.
namespace SessionListing {

// "Light Sound Session [name]  File:[path]  " TAB, then the date text.
QString title(const QString &sessionName, const QString &fileName, const QString &shortDate);
// The column header of a session kind (a SessionKind value).
QString header(SessionKind kind);
// Segment column c (from 0): its number and rows 1 to 14, each right-aligned
// in its field and never cut.
QString segmentLine(const SessionGrid &cells, int column);
// Every line of the listing; shortDate is today's date as the title shows it.
QStringList lines(const Session &session, const QString &totalLine, const QString &shortDate);

// A date in the platform's short date format.
QString shortDate(const QDate &date = QDate::currentDate());

} // namespace SessionListing
