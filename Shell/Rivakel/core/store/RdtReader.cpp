#include "core/store/RdtReader.h"

#include <array>

#include "core/store/RdtTokenizer.h"

namespace {

// Tells the caller, however the read ends, what the tokenizer passed over.
class DamageReport {
public:
    DamageReport(const RdtTokenizer& tokenizer, bool* out) : tokenizer_(tokenizer), out_(out) {}
    ~DamageReport() {
        if (out_ != nullptr) *out_ = seen_ || tokenizer_.PassedOverDamage();
    }
    DamageReport(const DamageReport&) = delete;
    DamageReport& operator=(const DamageReport&) = delete;

    void Saw(bool damage) { seen_ = seen_ || damage; }

private:
    const RdtTokenizer& tokenizer_;
    bool* out_;
    bool seen_ = false;
};

}  // namespace

bool ParseRdt(std::string_view text, std::unique_ptr<RdtNode>& root, const RdtParseOptions& options) {
    RdtTokenizer tokenizer(text);
    DamageReport damage(tokenizer, options.passedOverDamage);
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
                damage.Saw(!current);
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
                // "/>" gives no name; an end tag gives the one the writers gave it.
                damage.Saw(!current || (!token.name.empty() && token.name != current->Name()));
                if (!current) break;
                if (limit == 1) return true;
                if (limit > 1) --limit;
                current = current->Parent();
                --depth;
                if (!current) {
                    if (options.rootClosed != nullptr) *options.rootClosed = true;
                    damage.Saw(!IsBlankText(text.substr(tokenizer.Position())));
                    return any;
                }
                break;
        }
    }
    return any;
}

bool IsBlankText(std::string_view text) { return text.find_first_not_of(" \t\r\n") == std::string_view::npos; }

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

bool RepairUserTags(std::string& text) {
    static constexpr std::array<std::string_view, 3> kRemains{">ser>", ">ers>", ">rs>"};
    bool repaired = false;
    for (std::string_view remain : kRemains) {
        size_t at = 0;
        while ((at = text.find(remain, at)) != std::string::npos) {
            for (size_t i = 1; i < remain.size(); ++i) text[at + i] = ' ';
            at += remain.size();
            repaired = true;
        }
    }
    return repaired;
}
