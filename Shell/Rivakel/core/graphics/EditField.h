// A text entry field drawn by the shell on its own surface: typing, a blinking caret, selection
// with the mouse and Shift with the arrows, Home and End, Backspace and Delete, the clipboard,
// Tab and Shift+Tab along a chain of linked fields and, when asked for, Enter firing event 15.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/Timer.h"
#include "core/graphics/CSubsystem_Input.h"
#include "core/graphics/EditText.h"
#include "core/graphics/Event.h"
#include "core/graphics/EventListener.h"
#include "core/graphics/Surface.h"

class CFont;

class CEditField : public CSurface, public IKeyFocus {
public:
    // Flags bit 1: one line that scrolls sideways, and Enter fires event 15.
    static constexpr unsigned kFlagEnterFires = 2;
    static constexpr uint32_t kBlinkMs = 530;

    CEditField(CSurface* parent, void* context, int x, int y, int width, int height, std::string_view text,
               EventCallback callback, unsigned flags);
    // Leaves the Tab chain (its neighbours are linked to each other) and gives up the keyboard.
    ~CEditField() override;

    int SetFocus();
    bool HasFocus() const { return focused_; }
    // Copies at most min(size - 1, 5000) characters and a terminator. 0; 1 for no buffer.
    int GetText(char* buffer, size_t size) const;
    const std::string& Text() const { return text_.Text(); }
    int SetText(std::string_view text);
    int Clear() { return SetText({}); }
    // Selects the whole text, the caret at its end, so that typing replaces it.
    void SelectAll();
    // This field's next becomes `other`, and the other's previous this one. 0.
    int LinkNext(CEditField* other);
    CEditField* Next() const { return next_; }
    CEditField* Previous() const { return previous_; }
    const CEditText& Model() const { return text_; }

    void OnKeyDown(int virtualKey) override;
    void OnChar(uint8_t character) override;
    void OnKeyUp(int) override {}
    void OnFocusChanged(bool focused) override;

private:
    struct Line {
        size_t begin, end;  // end before the line break
    };

    int OnMouseDown(intptr_t* record);
    int OnMouseMove(intptr_t* record);
    int OnMouseUp();
    int OnWheel(intptr_t* record);
    int OnBlink();

    int Advance(char ch) const;
    int WidthOf(size_t begin, size_t end) const;
    int LineHeight() const;
    int VisibleLines() const;
    int TopMargin() const;
    std::vector<Line> Layout() const;
    size_t LineOf(const std::vector<Line>& lines, size_t position) const;
    size_t PositionAt(const Line& line, int x) const;
    void PlaceCaret(int x, int y, bool extend);
    void MoveVertically(int lines, bool extend);
    void Copy() const;
    void Cut();
    void Paste();
    // Keeps the caret in view, shows it and draws the field.
    void Changed();
    void Draw();
    bool KeyHeld(int virtualKey) const;

    CEditText text_;
    unsigned flags_;
    CFont* font_ = nullptr;
    CEditField* previous_ = nullptr;
    CEditField* next_ = nullptr;
    int scrollX_ = 0;
    size_t topLine_ = 0;
    bool focused_ = false;
    bool caretOn_ = false;
    bool dragging_ = false;
    std::unique_ptr<CTimer> blink_;
    EventPtr enter_;
    EventPtr wheel_;
    ListenerPtr user_;
    ListenerPtr down_;
    ListenerPtr move_;
    ListenerPtr up_;
    ListenerPtr turned_;
};
