// The applets' markup drawer: a line of RML text drawn onto an image without word wrap.
//
// Tags (either case; a leading '/' closes): B bold, I italic, U underline, BR line break (x back
// to 0, y + 15), P paragraph (x back to 0, y + 30), C alone centring, Crrggbb text colour, S0-S5
// size class (24, 18, 14, 12, 10, 8 points), S+ larger, S- smaller. Other tags change nothing.
// Runs are drawn at pen x + 4, or each centred by itself on the image's width. In a run the
// entities "&lt;", "&gt;" and "&amp;" draw their characters (EscapeMarkup in frame/api/MarkupEscape.h
// puts a name into markup so); any other '&' is drawn as it stands.
//
// Text outside the format is safe: a '<' with no later '>' is drawn as text, colour digits that
// are missing or not hexadecimal count 0, size tags with another character are ignored, and
// there is no limit on the number of tags. Nothing is allocated on the heap.
#pragma once

#include <string_view>

class IImage;
class IShellFactory;

inline constexpr int kMarkupLineStep = 15;
inline constexpr int kMarkupParagraphStep = 30;
inline constexpr int kMarkupRunIndent = 4;

// Point size of each size class.
inline constexpr int kMarkupPointSizes[6] = {24, 18, 14, 12, 10, 8};

struct MarkupToken {
    std::string_view text;  // a run of text, or a tag's content without its brackets
    bool isTag = false;
};

// Splits markup into runs and tags, one at a time.
class MarkupTokenizer {
public:
    explicit MarkupTokenizer(std::string_view text) : rest_(text) {}
    // False at the end of the text.
    bool Next(MarkupToken& token);

private:
    std::string_view rest_;
};

// The two editions of the drawer: the older knows no line breaks (a BR tag reads as B, a P tag
// is ignored); everything else is the same.
enum class MarkupEdition { Current, Old };

// Draws `text` (null draws nothing) at (x, y). Fonts that tags call for come from the module's
// factory. Font and text colour set by tags stay set on the image. Always 0.
int DrawMarkupText(IImage* canvas, const char* text, int x, int y);
// The same with the factory given.
int DrawMarkupText(IImage* canvas, std::string_view text, int x, int y, IShellFactory& fonts,
                   MarkupEdition edition = MarkupEdition::Current);
// The older edition on one line, as the two oldest games draw their texts.
int DrawMarkupTextOld(IImage* canvas, const char* text, int x, int y);
