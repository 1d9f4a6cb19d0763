#pragma once

#include <QLatin1String>

// The program's name and version: what --version prints, and the name of the
// folder that holds its settings.
inline constexpr QLatin1String ProgramName("Mirandel 2.0");
