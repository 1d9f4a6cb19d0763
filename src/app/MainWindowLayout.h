#pragma once

// The main window's size rules: the spreadsheet shows whole columns only, and
// the window ends 5 pixels below the button row.
struct MainWindowLayout
{
    int gridWidth;    // the session table
    int windowWidth;  // outer width
    int windowHeight; // outer height
};

MainWindowLayout mainWindowLayout(int screenWidth, int labelGridWidth, int defaultColumnWidth,
                                  int buttonRowBottom, int frameHeight);
