// The help the shell's Instructions command shows on the page surface: texts of the game's
// resources over orange with links between them (or a page the game draws itself), and the
// trademark line.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Apps/Common/ShellRef.h"
#include "Apps/Common/TextButtonStyle.h"

class CApplet;
class IImage;

// A text button on a help page that shows another page or opens an address.
struct HelpLink {
    std::string label;
    int x = 0;
    int y = 0;
    int page = -1;    // the page it shows, or -1
    std::string url;  // opened when it shows no page
};

struct HelpPage {
    std::string resource;  // its first quoted string is drawn at (0, 10)
    std::vector<HelpLink> links;
};

struct HelpPageStyle {
    HelpPageStyle() = default;
    // The one page of Help.rml, the trademark line starting at x.
    HelpPageStyle(std::string line, int x) : trademarkLine(std::move(line)), trademarkX(x) {}

    std::string trademarkLine;  // markup
    int trademarkX = 0;         // where the line starts, or where it ends when right-aligned
    bool trademarkRightAligned = false;
    std::vector<HelpPage> pages{{"Help.rml", {}}};  // the first one shows first
    // A game that draws its help itself; the pages are not used then.
    void (*draw)(IImage& page) = nullptr;
    TextButtonStyle linkStyle;
    int linkPointSize = 12;
};

// Longest help text drawn.
inline constexpr int kHelpTextMax = 10000;

class CHelpPages {
public:
    CHelpPages(CApplet& app, HelpPageStyle style);
    CHelpPages(const CHelpPages&) = delete;
    CHelpPages& operator=(const CHelpPages&) = delete;

    // Draws page `index` (its links replace the ones shown) and the trademark line. 0.
    int Show(int index);
    // A link's callback; its button id is its index on the page shown. 0.
    int OnLink(intptr_t* args);

private:
    void DrawTrademark(IImage& page);

    CApplet& app_;
    HelpPageStyle style_;
    int shown_ = -1;
    std::vector<AttachedSurface> links_;
};
