#pragma once

#include <QString>

// Where the preview is, as the windows show it: "12:30 / 45:00, segment 7"
// (whole seconds, rounded down; minutes go on past 59).
QString playbackPositionText(double seconds, double totalSeconds, int segment);
