#pragma once

#include <QString>

class Prompter;
struct Session;

// Reads FILE into the session as File > Open does (timing summary for
// segment 1 included). False when the file cannot be opened; its message has
// gone to the prompter.
bool loadSessionFile(const QString &path, Session &session, Prompter &prompter);
