#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

struct Session;

// The whole session's timeline as a picture of its own, for documents and
// sharing: what the window shows fitted to width x height, without marks.
namespace TimelinePicture {
QImage image(const Session &session, int width, int height);
QByteArray svg(const Session &session, int width, int height);
// Writes SVG when the path ends in ".svg" (any case), else PNG; an existing
// file is replaced only by a complete new one. The reason when that failed.
std::optional<QString> save(const QString &path, const Session &session, int width, int height);
} // namespace TimelinePicture
