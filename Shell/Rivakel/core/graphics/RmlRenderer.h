// The rich-text (RML) renderer: text with tags for size, face, colour, bold, italic, underline,
// shadow, centring, breaks, paragraphs, headings, "..." truncation and links, drawn with word wrap
// into an image inside a box. The entities "&lt;", "&gt;" and "&amp;" draw their characters.
#pragma once

#include <string_view>

#include "platform/Platform.h"

class CImage;
class CRefCounted;
class CSubsystem_Font;

// The text is one plain run, without markup.
inline constexpr unsigned kRmlPlainRun = 1;
// The result for text holding a character that is not allowed (an '&' that begins no entity).
inline constexpr int kRmlBadCharacter = 21;

// One drawn piece of a link label.
struct RmlLinkRequest {
    platform::Rect area;     // where the label lies in the image
    std::string_view label;  // valid during the call only
    int number = -1;         // the link number of the A tag
    int sizeIndex = 1;       // the size step and style of the label's font
    int style = 0;
};

// Makes the hyperlinks of link labels; the caller of the renderer supplies it together with the
// links' parent and listener.
class IRmlLinkFactory {
public:
    virtual ~IRmlLinkFactory() = default;
    // Null when no link could be made. The image adds a reference of its own to what it gets;
    // the factory settles the creation reference with the link's owner.
    virtual CRefCounted* CreateLink(const RmlLinkRequest& request) = 0;
};

// What the renderer last published for hyperlinks: the size step and style of the font of the
// last link label, and the end (x after the text, y) of the last text drawn.
struct RmlPublished {
    int linkSizeIndex = 1;
    int linkStyle = 0;
    platform::Point lastTextEnd;
};
RmlPublished& RmlPublishedState();

// Draws `text` into `image` starting at (x, y) and wrapping inside `box`. Fonts for size, face and
// style tags come from `fonts` (null: those tags change nothing). Link labels become links made
// by `links` and kept in the image; without a factory they are drawn as underlined text.
// 0, or kRmlBadCharacter (logged, nothing drawn) for an '&' in marked-up text that begins no entity.
int RenderRMLText(CImage& image, CSubsystem_Font* fonts, int x, int y, const platform::Rect& box,
                  unsigned flags, std::string_view text, IRmlLinkFactory* links);

// `style` read as rich text (its tags set the font and colours), then `text` drawn from the same
// place as it stands (a link's label, which the rich text it came from has already read).
void DrawStyledPlainText(CImage& image, std::string_view style, std::string_view text, int x, int y,
                         const platform::Rect* box);

// x := left, y grows by the current line's tallest height, and the next line starts with the
// current font's line height.
void RMLLineBreak(CImage& image, int& x, int& y, int left);
