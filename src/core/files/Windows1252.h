#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte code page of session files. Every byte decodes to one
// character and back, the five bytes the code page leaves open included (they
// stand for the control characters of the same number), so a file read and
// written again keeps its bytes. Characters the code page lacks encode as "?".
namespace Windows1252 {
QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);
} // namespace Windows1252
