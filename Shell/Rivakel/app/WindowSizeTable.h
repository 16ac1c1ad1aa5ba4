// The main window's size and the content area inside the shell frame.
#pragma once

struct WindowSizeTable {
    int windowWidth = 0;
    int windowHeight = 0;
    int contentWidth = 0;
    int contentHeight = 0;
    bool operator==(const WindowSizeTable&) const = default;
};

// Narrow screens and embedded starts get the small window; "BIGWIN" the large one.
WindowSizeTable ChooseWindowSize(int screenWidth, bool embedded, bool bigWindow);
