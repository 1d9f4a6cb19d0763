#pragma once

#include <QString>

class TimelineLayout;
struct Session;

// What the timeline says of a pass, for the hover read-out and screen
// readers: "Segment 3, pass 2 of 4, at 1:20.5: beat 7.83 to 10.0 Hz, pitch
// 240 Hz, volume 85, intensity 100, duty cycle 50, phase IN".
QString passReadout(const Session &session, const TimelineLayout &layout, int pass, double seconds);
// Minutes and seconds with tenths: "1:20.5".
QString timelineTimeText(double seconds);
