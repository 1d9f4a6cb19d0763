#include "app/MainWindowLayout.h"

#include <gtest/gtest.h>

TEST(MainWindowLayout, WholeColumnsOnlyAndFiveBelowTheButtons)
{
    const struct
    {
        int screenWidth;
        int gridWidth;
        int windowWidth;
    } cases[] = {{1024, 916, 1015}, {800, 672, 771}, {1280, 1160, 1259}, {1920, 1770, 1869}};
    for (const auto &c : cases) {
        const MainWindowLayout layout = mainWindowLayout(c.screenWidth, 91, 60, 425, 46);
        EXPECT_EQ(layout.gridWidth, c.gridWidth) << c.screenWidth;
        EXPECT_EQ(layout.windowWidth, c.windowWidth) << c.screenWidth;
        EXPECT_EQ(layout.windowHeight, 425 + 46 + 5);
    }
}
