#include "core/store/RdtReader.h"

#include <array>

#include "core/store/RdtTokenizer.h"

bool ParseRdt(std::string_view text, std::unique_ptr<RdtNode>& root, const RdtParseOptions& options) {
    RdtTokenizer tokenizer(text);
    RdtToken token;
    RdtNode* current = nullptr;
    int depth = 0;
    int limit = options.endTagLimit;
    bool any = false;
    if (options.rootClosed != nullptr) *options.rootClosed = false;
    while (tokenizer.Next(token)) {
        switch (token.kind) {
            case RdtTokenKind::Start: {
                if (depth >= kMaxRdtDepth) return any;
                auto node = std::make_unique<RdtNode>(token.name);
                if (current) {
                    current = current->AppendChild(std::move(node));
                } else if (!root) {
                    root = std::move(node);
                    current = root.get();
                } else {
                    return any;
                }
                ++depth;
                any = true;
                break;
            }
            case RdtTokenKind::Text:
                if (current) current->SetText(token.value);
                break;
            case RdtTokenKind::Attr:
                if (!current) break;
                if (options.forceConnFalse && EqualsNoCase(token.name, "ForceConn")) {
                    current->AddAttr(token.name, "false");
                } else {
                    current->AddAttr(token.name, token.value);
                }
                break;
            case RdtTokenKind::End:
                if (!current) break;
                if (limit == 1) return true;
                if (limit > 1) --limit;
                current = current->Parent();
                --depth;
                if (!current) {
                    if (options.rootClosed != nullptr) *options.rootClosed = true;
                    return any;
                }
                break;
        }
    }
    return any;
}

bool IsDamagedByte(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return !((c >= 9 && c <= 13) || (c >= 32 && c <= 126));
}

bool HasDamagedBytes(std::string_view text) {
    for (char c : text) {
        if (IsDamagedByte(c)) return true;
    }
    return false;
}

void BlankDamagedBytes(std::string& text) {
    for (char& c : text) {
        if (IsDamagedByte(c)) c = ' ';
    }
}

void RepairUserTags(std::string& text) {
    static constexpr std::array<std::string_view, 3> kRemains{">ser>", ">ers>", ">rs>"};
    for (std::string_view remain : kRemains) {
        size_t at = 0;
        while ((at = text.find(remain, at)) != std::string::npos) {
            for (size_t i = 1; i < remain.size(); ++i) text[at + i] = ' ';
            at += remain.size();
        }
    }
}
