// The tokenizer of RDT text, shared by the store reader and the markup documents. Each call
// yields one token; it answers false at the end of the text and at the first malformed tag,
// so a damaged text ends the read and keeps what came before. Every search is bounded by the
// text, and each call consumes at least one character or ends, so it cannot loop.
#pragma once

#include <string>
#include <string_view>

enum class RdtTokenKind { Start = 0, Text = 1, Attr = 2, End = 3 };

struct RdtToken {
    RdtTokenKind kind = RdtTokenKind::Start;
    std::string name;   // element or attribute name; the name an end tag gives, "" for "/>"
    std::string value;  // decoded text or attribute value
};

class RdtTokenizer {
public:
    RdtTokenizer() = default;
    explicit RdtTokenizer(std::string_view text) : text_(text) {}

    void Reset(std::string_view text);
    bool Next(RdtToken& token);
    size_t Position() const { return pos_; }
    // Whether the text so far held what the writers never write: an end tag inside a start tag,
    // a raw '<' or '>' in a value (they write these as entities).
    bool PassedOverDamage() const { return damage_; }

private:
    bool StartOrEnd(RdtToken& token);
    bool InTag(RdtToken& token);

    std::string_view text_;
    size_t pos_ = 0;
    bool inTag_ = false;
    bool damage_ = false;
};
