#include "core/store/RdtTokenizer.h"

#include "core/store/RdtEscape.h"

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EndsName(char c) { return IsSpace(c) || c == '/' || c == '>' || c == '<' || c == '"' || c == '='; }
}  // namespace

void RdtTokenizer::Reset(std::string_view text) {
    text_ = text;
    pos_ = 0;
    inTag_ = false;
    damage_ = false;
}

bool RdtTokenizer::Next(RdtToken& token) {
    if (pos_ >= text_.size()) return false;
    if (inTag_) return InTag(token);

    const size_t lt = text_.find('<', pos_);
    if (lt == std::string_view::npos) {
        pos_ = text_.size();
        return false;
    }
    size_t first = pos_;
    while (first < lt && IsSpace(text_[first])) ++first;
    pos_ = lt;
    if (first < lt) {
        // Before a child's start tag, trailing white space only lays out the child.
        size_t last = lt;
        const bool childFollows = lt + 1 < text_.size() && text_[lt + 1] != '/';
        while (childFollows && last > first && IsSpace(text_[last - 1])) --last;
        const std::string_view raw = text_.substr(first, last - first);
        damage_ = damage_ || raw.find('>') != std::string_view::npos;
        token.kind = RdtTokenKind::Text;
        token.name.clear();
        token.value = DecodeEntities(raw);
        return true;
    }
    return StartOrEnd(token);
}

// At a '<' outside a tag.
bool RdtTokenizer::StartOrEnd(RdtToken& token) {
    const size_t after = pos_ + 1;
    if (after < text_.size() && text_[after] == '/') {
        const size_t gt = text_.find('>', after);
        if (gt == std::string_view::npos) {
            pos_ = text_.size();
            return false;
        }
        token.kind = RdtTokenKind::End;
        token.name.assign(text_.substr(after + 1, gt - after - 1));
        token.value.clear();
        pos_ = gt + 1;
        return true;
    }
    size_t end = after;
    while (end < text_.size() && !EndsName(text_[end])) ++end;
    if (end == after || end >= text_.size() || text_[end] == '<' || text_[end] == '"' || text_[end] == '=') {
        pos_ = text_.size();
        return false;
    }
    token.kind = RdtTokenKind::Start;
    token.name.assign(text_.substr(after, end - after));
    token.value.clear();
    if (text_[end] == '>') {
        pos_ = end + 1;
    } else {
        pos_ = end;
        inTag_ = true;
    }
    return true;
}

// Inside a start tag: attributes, "/>" or '>'.
bool RdtTokenizer::InTag(RdtToken& token) {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return false;
    const char c = text_[pos_];
    if (c == '>') {
        ++pos_;
        inTag_ = false;
        return Next(token);
    }
    if (c == '/') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '>') {
            token.kind = RdtTokenKind::End;
            token.name.clear();
            token.value.clear();
            pos_ += 2;
            inTag_ = false;
            return true;
        }
        pos_ = text_.size();
        return false;
    }
    if (c == '<') {
        // An end tag inside a start tag closes the element, as a '/>' would.
        inTag_ = false;
        damage_ = true;
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') return StartOrEnd(token);
        pos_ = text_.size();
        return false;
    }
    size_t end = pos_;
    while (end < text_.size() && !EndsName(text_[end])) ++end;
    if (end == pos_ || end + 1 >= text_.size() || text_[end] != '=' || text_[end + 1] != '"') {
        pos_ = text_.size();
        return false;
    }
    const size_t valueStart = end + 2;
    const size_t quote = text_.find('"', valueStart);
    if (quote == std::string_view::npos) {
        pos_ = text_.size();
        return false;
    }
    const std::string_view raw = text_.substr(valueStart, quote - valueStart);
    damage_ = damage_ || raw.find_first_of("<>") != std::string_view::npos;
    token.kind = RdtTokenKind::Attr;
    token.name.assign(text_.substr(pos_, end - pos_));
    token.value = DecodeEntities(raw);
    pos_ = quote + 1;
    return true;
}
