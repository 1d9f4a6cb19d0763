#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

// A 300 x 200 window beside a main window on a 1000 x 800 screen.
TEST(WindowPlacement, BesideTheAnchorOnScreenCoveringLeastOfWhatToAvoid)
{
    const QRect screen(0, 0, 1000, 800);
    const QSize size(300, 200);
    const struct
    {
        const char *what;
        QRect anchor;
        QRect avoid;
        QPoint place;
    } cases[] = {
        {"room on the right", {100, 100, 500, 400}, {120, 150, 460, 300}, {600, 100}},
        {"room on the left only", {600, 100, 380, 400}, {620, 150, 340, 300}, {300, 100}},
        {"room below only", {0, 0, 1000, 500}, {20, 40, 960, 400}, {0, 500}},
        {"no room: least covered", screen, {0, 0, 900, 800}, {700, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(placeBeside(c.anchor, size, c.avoid, screen), c.place) << c.what;
}

// The problems window beside a full-width main window with the timeline below it.
TEST(WindowPlacement, EveryAreaToAvoidCounts)
{
    const QRect screen(0, 0, 1280, 800);
    const QRect main(0, 0, 1280, 490);
    const QList<QRect> avoid{{0, 40, 1280, 330}, {0, 500, 1280, 300}}; // a wide sheet, the timeline
    const QPoint place = placeBeside(main, QSize(400, 250), avoid, screen);
    EXPECT_FALSE(QRect(place, QSize(400, 250)).intersects(avoid.at(1))) << place.x() << "," << place.y();
}
