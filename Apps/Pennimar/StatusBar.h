// The status bar over the field: the score, the spare lives, the level's name and the bar of the
// farm fenced so far against the share needed.
#pragma once

#include "Apps/Common/ShellRef.h"
#include "frame/api/IFont.h"

class IImage;
class IShellFactory;

namespace pennimar {

class CPennimarApplet;

class CStatusBar {
public:
    CStatusBar(IImage* canvas, IShellFactory& factory, const CPennimarApplet& game);

    // The whole bar afresh.
    void Draw(int level, long long score, int spareLives, int percent, int needed);
    void Score(long long score);
    void Lives(int spareLives);
    void Progress(int percent, int needed);

private:
    void Restore(int left, int top, int right, int bottom);
    void Centred(IFont* font, const char* text, int centreX, int y);

    IImage* canvas_;
    const CPennimarApplet& game_;
    ShellRef<IFont> scoreFont_;
    ShellRef<IFont> barFont_;
};

}  // namespace pennimar
