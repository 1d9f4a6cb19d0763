#pragma once

#include <QString>

// What a path names, links followed. Only regular files and character
// devices are read and written: opening a FIFO waits for a peer that may
// never come, and a socket, block device or folder is no session's file.
enum class FileKind { Missing, Regular, CharacterDevice, Other };

FileKind fileKindOf(const QString &path);

// The reason given when a path of kind Other is refused.
QString unusableFileKindReason();
