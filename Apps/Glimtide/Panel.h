// A message panel over the play screen: a framed light-blue box on the game area with lines of
// markup, closed by a click on it, and optionally buttons.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/api/ShellObject.h"

class IEventListener;
class IImage;
class ISurface;

namespace glimtide {

class CGlimtideApplet;

struct PanelLine {
    int x = 5;
    int y = 0;
    std::string text;
};

struct PanelBox {
    int left, top, right, bottom;
};

class CPanel {
public:
    // Placed 75 pixels above `box.top` on the game area; a mouse up on it calls `onUp` with
    // `context`.
    CPanel(CGlimtideApplet& game, const PanelBox& box, const std::vector<PanelLine>& lines, void* context,
           AppletCallback onUp);
    ~CPanel();
    CPanel(const CPanel&) = delete;
    CPanel& operator=(const CPanel&) = delete;

    // A 12-point text button at (x, y) of the panel.
    void AddButton(const char* label, int x, int y, int id, void* context, AppletCallback callback);

private:
    CGlimtideApplet& game_;
    ISurface* surface_ = nullptr;
    IImage* image_ = nullptr;
    IEventListener* upListener_ = nullptr;
    std::vector<ISurface*> buttons_;
};

}  // namespace glimtide
