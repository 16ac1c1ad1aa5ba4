// The text of an edit field: cp1252 bytes with a caret and a selection, at most 5000 bytes.
// Single-line text never holds line breaks; multi-line text keeps them as CR LF pairs, which
// the caret steps over as one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

class CEditText {
public:
    static constexpr size_t kMaxLength = 5000;

    explicit CEditText(bool singleLine) : singleLine_(singleLine) {}

    const std::string& Text() const { return text_; }
    // Replaces everything; the caret goes to the start.
    void SetText(std::string_view text);
    // Replaces the selection with as much of `text` as the limit allows; the caret follows it.
    // False when nothing changed.
    bool Insert(std::string_view text);
    bool Backspace();
    bool Delete();
    // `extend` keeps the anchor, so the selection grows or shrinks.
    void MoveTo(size_t position, bool extend);
    void Left(bool extend);
    void Right(bool extend);
    void SelectAll();

    size_t Caret() const { return caret_; }
    size_t Anchor() const { return anchor_; }
    bool HasSelection() const { return caret_ != anchor_; }
    std::pair<size_t, size_t> Selection() const;
    std::string SelectedText() const;
    bool IsSingleLine() const { return singleLine_; }

    // What typed or pasted text becomes: line breaks dropped (single-line) or made CR LF, other
    // control characters but tab dropped.
    std::string Clean(std::string_view text) const;

private:
    void EraseSelection();
    size_t StepLeft(size_t position) const;
    size_t StepRight(size_t position) const;

    std::string text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;
    bool singleLine_;
};
