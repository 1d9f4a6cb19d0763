#include "app/MainWindowLayout.h"

MainWindowLayout mainWindowLayout(int screenWidth, int labelGridWidth, int defaultColumnWidth,
                                  int buttonRowBottom, int frameHeight)
{
    const int u = defaultColumnWidth + 1;
    MainWindowLayout layout;
    layout.gridWidth = u * ((screenWidth - labelGridWidth) / u) + 1;
    layout.windowWidth = layout.gridWidth + labelGridWidth + 8;
    layout.windowHeight = buttonRowBottom + frameHeight + 5;
    return layout;
}
