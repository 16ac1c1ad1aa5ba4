// A markup document: RDT text parsed into reference-counted elements, and written back with
// two blanks of indent. A parse may run in steps (ParseSome with an end-tag limit).
#pragma once

#include <string>
#include <string_view>

#include "core/store/MarkupNode.h"
#include "core/store/RdtTokenizer.h"

class CMarkupDoc : public CMarkupNode {
public:
    enum State { kEmpty = 0, kHoldsElements = 1, kParsing = 2 };

    CMarkupDoc() : CMarkupNode("") {}

    // False while a parse is under way. With `parseNow` the whole text is read and the result
    // is true; otherwise false, and the caller continues with ParseSome.
    bool Parse(std::string_view text, bool parseNow);
    // Reads until `endTagLimit` end tags closed elements (-1: no limit) or the text ends.
    // The same rules as the store reader: a malformed tag or a start tag nested too deep
    // ends the text; an end tag with no open element is ignored.
    bool ParseSome(int endTagLimit);
    std::string Serialize() const;
    State GetState() const { return state_; }

private:
    void Finish();

    State state_ = kEmpty;
    std::string source_;
    RdtTokenizer tokenizer_;
    CMarkupNode* current_ = nullptr;
    int depth_ = 0;
};
