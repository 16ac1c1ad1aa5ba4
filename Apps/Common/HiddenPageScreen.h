// The hidden page a typed code opens on a title screen: a fill, a picture, a text read from the
// game's resources, and "Return to Game" back to a fresh title screen.
#pragma once

#include <cstdint>

#include "Apps/Common/SideScreen.h"

struct HiddenPageStyle {
    uint32_t fill = 0x808080;
    const char* picture = nullptr;  // drawn at (pictureX, pictureY) when given
    int pictureX = 0;
    int pictureY = 0;
    const char* text = nullptr;  // the first quoted string of this resource, drawn at (0, textY)
    int textY = 0;
    TextButtonStyle button;
    TitleScreenMaker makeTitle = nullptr;
};

// Longest text drawn.
inline constexpr size_t kHiddenPageTextMax = 4000;

class CHiddenPageScreen : public CSideScreen {
public:
    CHiddenPageScreen(CApplet& app, const HiddenPageStyle& style);
};
