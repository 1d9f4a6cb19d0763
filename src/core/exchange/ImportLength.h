#pragma once

#include <QString>
#include <optional>

class Prompter;

// Asks how long a schedule that plays until stopped is to be, offering the
// length the import gave it (seconds): the answer in seconds, or nothing
// when it is no length (the user is told so).
std::optional<double> askImportLength(Prompter &prompter, const QString &fileName, double offered);
