#include "core/graphics/EditText.h"

#include <algorithm>

std::string CEditText::Clean(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == '\r' || ch == '\n') {
            if (singleLine_) continue;
            // CR LF, a lone CR and a lone LF each make one break.
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else if (ch >= 0x20 || ch == '\t') {
            if (ch != 0x7F) out += static_cast<char>(ch);
        }
    }
    return out;
}

void CEditText::SetText(std::string_view text) {
    text_.clear();
    caret_ = anchor_ = 0;
    Insert(text);
    caret_ = anchor_ = 0;
}

std::pair<size_t, size_t> CEditText::Selection() const { return {std::min(caret_, anchor_), std::max(caret_, anchor_)}; }

std::string CEditText::SelectedText() const {
    const auto [begin, end] = Selection();
    return text_.substr(begin, end - begin);
}

void CEditText::EraseSelection() {
    const auto [begin, end] = Selection();
    text_.erase(begin, end - begin);
    caret_ = anchor_ = begin;
}

bool CEditText::Insert(std::string_view text) {
    std::string clean = Clean(text);
    const bool hadSelection = HasSelection();
    const size_t room = kMaxLength - (text_.size() - (Selection().second - Selection().first));
    if (clean.size() > room) {
        clean.resize(room);
        // Never split a line break.
        if (!clean.empty() && clean.back() == '\r') clean.pop_back();
    }
    if (clean.empty() && !hadSelection) return false;
    EraseSelection();
    text_.insert(caret_, clean);
    caret_ = anchor_ = caret_ + clean.size();
    return true;
}

size_t CEditText::StepLeft(size_t position) const {
    if (position == 0) return 0;
    if (position >= 2 && text_.compare(position - 2, 2, "\r\n") == 0) return position - 2;
    return position - 1;
}

size_t CEditText::StepRight(size_t position) const {
    if (position >= text_.size()) return text_.size();
    if (text_.compare(position, 2, "\r\n") == 0) return position + 2;
    return position + 1;
}

bool CEditText::Backspace() {
    if (HasSelection()) {
        EraseSelection();
        return true;
    }
    if (caret_ == 0) return false;
    const size_t from = StepLeft(caret_);
    text_.erase(from, caret_ - from);
    caret_ = anchor_ = from;
    return true;
}

bool CEditText::Delete() {
    if (HasSelection()) {
        EraseSelection();
        return true;
    }
    if (caret_ >= text_.size()) return false;
    text_.erase(caret_, StepRight(caret_) - caret_);
    return true;
}

void CEditText::MoveTo(size_t position, bool extend) {
    position = std::min(position, text_.size());
    // Inside a CR LF pair the caret goes before it.
    if (position > 0 && position < text_.size() && text_[position - 1] == '\r' && text_[position] == '\n') --position;
    caret_ = position;
    if (!extend) anchor_ = position;
}

void CEditText::Left(bool extend) {
    if (HasSelection() && !extend) {
        MoveTo(Selection().first, false);
        return;
    }
    MoveTo(StepLeft(caret_), extend);
}

void CEditText::Right(bool extend) {
    if (HasSelection() && !extend) {
        MoveTo(Selection().second, false);
        return;
    }
    MoveTo(StepRight(caret_), extend);
}

void CEditText::SelectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}
