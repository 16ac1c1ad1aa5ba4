#include "core/store/MarkupDoc.h"

#include "core/store/RdtEscape.h"
#include "core/store/RdtReader.h"
#include "core/store/StringBuffer.h"

namespace {

constexpr int kIndent = 2;

void WriteElement(CStringBuffer& out, const CMarkupNode& node, int depth) {
    if (node.Name().empty()) {
        for (size_t i = 0; i < node.ChildCount(); ++i) WriteElement(out, *node.ChildAt(i), depth);
        return;
    }
    // A name that would not read back would cut off the rest of the text at the next read.
    if (!IsWritableName(node.Name())) return;
    std::string line(static_cast<size_t>(depth * kIndent), ' ');
    const std::string indent = line;
    line += '<';
    line += node.Name();
    for (size_t i = 0; i < node.AttributeCount(); ++i) {
        const CMarkupAttr& attr = *node.AttributeAt(i);
        if (!IsWritableName(attr.Name())) continue;
        line += ' ';
        line += attr.Name();
        line += "=\"";
        if (attr.Value()) AppendEscapedAttr(line, *attr.Value());
        line += '"';
    }
    bool hasChildren = false;
    for (size_t i = 0; i < node.ChildCount() && !hasChildren; ++i) {
        const std::string& name = node.ChildAt(i)->Name();
        hasChildren = name.empty() || IsWritableName(name);
    }
    if (!node.Value() && !hasChildren) {
        line += "/>\r\n";
        out.Append(line);
        return;
    }
    line += '>';
    if (node.Value()) AppendEscapedText(line, node.Value()->GetText(), hasChildren);
    if (hasChildren) {
        line += "\r\n";
        out.Append(line);
        for (size_t i = 0; i < node.ChildCount(); ++i) WriteElement(out, *node.ChildAt(i), depth + 1);
        line = indent;
    }
    line += "</";
    line += node.Name();
    line += ">\r\n";
    out.Append(line);
}

}  // namespace

bool CMarkupDoc::Parse(std::string_view text, bool parseNow) {
    if (state_ == kParsing) return false;
    source_.assign(text);
    tokenizer_.Reset(source_);
    current_ = this;
    depth_ = 0;
    state_ = kParsing;
    if (!parseNow) return false;
    ParseSome(-1);
    return true;
}

bool CMarkupDoc::ParseSome(int endTagLimit) {
    if (state_ != kParsing) return false;
    RdtToken token;
    while (tokenizer_.Next(token)) {
        switch (token.kind) {
            case RdtTokenKind::Start: {
                if (depth_ >= kMaxRdtDepth) {
                    Finish();
                    return true;
                }
                auto* node = new CMarkupNode(token.name);
                current_->AddChild(node);
                current_ = node;
                ++depth_;
                break;
            }
            case RdtTokenKind::Text:
                if (current_ != this) current_->SetValue(CMarkupValue(CMarkupValue::kText, token.value));
                break;
            case RdtTokenKind::Attr:
                if (current_ != this) current_->AddAttribute(token.name, token.value);
                break;
            case RdtTokenKind::End:
                if (current_ == this) break;
                current_ = current_->Parent();
                --depth_;
                if (endTagLimit == 1) return true;
                if (endTagLimit > 1) --endTagLimit;
                break;
        }
    }
    Finish();
    return true;
}

void CMarkupDoc::Finish() {
    current_ = nullptr;
    depth_ = 0;
    state_ = ChildCount() > 0 ? kHoldsElements : kEmpty;
    source_ = std::string();
    tokenizer_.Reset(source_);
}

std::string CMarkupDoc::Serialize() const {
    CStringBuffer out;
    WriteElement(out, *this, 0);
    return out.Detach();
}
