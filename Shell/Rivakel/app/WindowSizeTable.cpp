#include "app/WindowSizeTable.h"

WindowSizeTable ChooseWindowSize(int screenWidth, bool embedded, bool bigWindow) {
    if (screenWidth < 800 || embedded) return {640, 452, 500, 420};
    // The frame around the content takes 300 by 152 pixels at the two larger sizes.
    if (bigWindow) return {1024, 700, 1024 - 300, 700 - 152};
    return {800, 572, 500, 420};
}
