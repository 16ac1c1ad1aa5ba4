// The pieces a dialog box is drawn with: its fonts and colours, wrapped text, push buttons with
// an underlined mnemonic, the check box and the read-only scrolling text of the terms.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/PushButton.h"
#include "core/graphics/Surface.h"

class CFont;
class CImage;

namespace dialog_look {
inline constexpr uint32_t kBody = 0xFFFFCC;
inline constexpr uint32_t kCaption = 0x333399;
inline constexpr uint32_t kCaptionText = 0xFFFFFF;
inline constexpr uint32_t kText = 0x333333;
inline constexpr uint32_t kButton = 0xFF9900;
inline constexpr uint32_t kButtonText = 0x000000;
inline constexpr uint32_t kEdge = 0x663300;
inline constexpr uint32_t kField = 0xFFFFFF;
inline constexpr uint32_t kFocus = 0x000099;
inline constexpr int kCaptionHeight = 20;
inline constexpr int kLineGap = 1;
}  // namespace dialog_look

// A font of the kit, held for the holder's life (null without a font service).
class DialogFont {
public:
    explicit DialogFont(bool bold);
    ~DialogFont();
    DialogFont(const DialogFont&) = delete;
    DialogFont& operator=(const DialogFont&) = delete;
    CFont* Get() const { return font_; }
    int LineHeight() const;
    int Width(std::string_view text) const;

private:
    CFont* font_ = nullptr;
};

// `text` broken into lines no wider than `width` at blanks (a word wider than the line is cut);
// line feeds start new lines.
std::vector<std::string> WrapText(const DialogFont& font, std::string_view text, int width);
// As WrapText, but each paragraph set as narrow as it goes on the lines WrapText gives it at
// `width`: the lines come out even, and the last is no word left over.
std::vector<std::string> WrapBalanced(const DialogFont& font, std::string_view text, int width);
// Draws the lines from (x, y) down, one line height apart.
void DrawLines(CImage& image, const DialogFont& font, const std::vector<std::string>& lines, int x, int y,
               uint32_t colour);
void FillBox(CImage& image, int left, int top, int right, int bottom, uint32_t colour);
void FrameBox(CImage& image, int left, int top, int right, int bottom, uint32_t colour);

// "&OK" becomes "OK" with the mnemonic 'O' at 0; no '&': no mnemonic (-1). "&&" is a plain '&'.
struct Mnemonic {
    std::string label;
    int index = -1;
    char Key() const;  // upper-case letter or digit, 0 without one
};
Mnemonic ParseMnemonic(std::string_view text);

// A push button of the kit: firing its command (code 14) with its id when clicked.
class CDialogButton : public CPushButton {
public:
    static CDialogButton* Make(CSurface* owner, void* context, EventCallback callback, int id, std::string_view text,
                               int x, int y, int width, int height, bool isDefault, const DialogFont& font);
    int Id() const { return static_cast<int>(UserValue()); }
    char MnemonicKey() const { return mnemonic_; }
    bool IsDefault() const { return default_; }

private:
    CDialogButton(const ButtonArgs& args, char mnemonic, bool isDefault)
        : CPushButton(args), mnemonic_(mnemonic), default_(isDefault) {}
    char mnemonic_;
    bool default_;
};

// A check box with its wrapped label; a click anywhere on it flips the mark.
class CDialogCheckBox : public CSurface {
public:
    CDialogCheckBox(CSurface* owner, int x, int y, int width, std::string_view label, const DialogFont& font);
    ~CDialogCheckBox() override;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

private:
    int OnClick();
    void Draw();

    std::vector<std::string> lines_;
    const DialogFont& font_;
    bool checked_ = false;
    ListenerPtr click_;
};

// The dotted frame around the control that has the keyboard; the mouse goes through it.
class CFocusRing : public CSurface {
public:
    explicit CFocusRing(CSurface* owner);
    // Frames `area`, in the owner's coordinates; an empty area hides the ring.
    void Surround(const platform::Rect& area);
};

// Read-only text in a frame with a scroll bar: the arrows scroll a line, the track a page.
class CTermsView : public CSurface {
public:
    static constexpr int kBarWidth = 16;
    CTermsView(CSurface* owner, int x, int y, int width, int height, std::string_view text, const DialogFont& font);
    ~CTermsView() override;
    // Moves by lines (negative: up), held to the text.
    void Scroll(int lines);
    void PageDown() { Scroll(VisibleLines() - 1); }
    void PageUp() { Scroll(1 - VisibleLines()); }
    void ToTop() { Scroll(-TopLine()); }
    void ToEnd() { Scroll(LineCount()); }
    int TopLine() const { return top_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    int VisibleLines() const;
    const std::string& Text() const { return text_; }

private:
    int OnDown(intptr_t* record);
    void Draw();

    std::string text_;
    std::vector<std::string> lines_;
    const DialogFont& font_;
    int top_ = 0;
    ListenerPtr down_;
};
