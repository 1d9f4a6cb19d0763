#pragma once

#include <QString>
#include <optional>

// Notices the program shows each user once. They are remembered for the
// user, in a file of their own beside the user's MIRANDEL.INI, so that the
// settings file keeps only the device's settings and its bytes stay as they
// were.
namespace UserNotices {
inline const QString Safety = QStringLiteral("safety");

// notices.ini in the user's configuration folder.
QString defaultPath();
bool wasShown(const QString &notice, const QString &path = defaultPath());
// A file that cannot be written shows the notice again at the next start;
// the file and the system's reason come back.
std::optional<QString> markShown(const QString &notice, const QString &path = defaultPath());
} // namespace UserNotices
