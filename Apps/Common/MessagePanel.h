// A framed message panel on the game area: lines of markup on a fill inside a double frame,
// closed by a click on it, optionally with text buttons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Apps/Common/Applet.h"
#include "Apps/Common/ShellRef.h"

class IEventListener;
class IImage;

struct PanelLine {
    int x = 5;
    int y = 0;
    std::string text;
};

struct PanelStyle {
    uint32_t fill = 0x99CCFF;
    uint32_t frame = 0x006363;     // the inner frame
    uint32_t outline = 0x000000;   // the edges around both frames
    uint32_t text = 0x000000;
    TextButtonStyle button;
};

class CMessagePanel {
public:
    // `width` x `height` with its top-left at (left, top) of the game area; a mouse up on it calls
    // `onUp` with `context`.
    CMessagePanel(CApplet& app, int left, int top, int width, int height, const PanelStyle& style,
                  const std::vector<PanelLine>& lines, void* context, AppletCallback onUp);
    ~CMessagePanel();
    CMessagePanel(const CMessagePanel&) = delete;
    CMessagePanel& operator=(const CMessagePanel&) = delete;

    // A 12-point text button at (x, y) of the panel.
    void AddButton(const char* label, int x, int y, int id, void* context, AppletCallback callback);

private:
    CApplet& app_;
    TextButtonStyle buttonStyle_;
    AttachedSurface surface_;
    ShellRef<IImage> image_;
    ShellRef<IEventListener> upListener_;
    std::vector<AttachedSurface> buttons_;
};
