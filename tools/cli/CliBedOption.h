#pragma once

#include "core/beds/Bed.h"

#include <QString>
#include <optional>

// "--bed FILE[:GAIN_DB[:loop]]": a sound file under the session, at the gain
// (dB, 0 when not given), looped to the session's end with ":loop". Nothing
// when the text is no such option.
std::optional<Bed> parseBedOption(const QString &text);

// The lines of a command's help that explain the option.
QString bedOptionHelp();
