#include "frame/pages/DataMailingReader.h"

#include <memory>

#include "core/store/MarkupDoc.h"
#include "frame/pages/EscapeDecoder.h"

namespace mailing {

namespace {

CMarkupNode* FirstChild(CMarkupNode* parent, std::string_view name) {
    return parent != nullptr ? parent->SetSearch(name, std::nullopt, std::nullopt) : nullptr;
}

std::optional<std::string> Attribute(const CMarkupNode* node, std::string_view name) {
    const CMarkupAttr* attribute = node != nullptr ? node->FindAttribute(name) : nullptr;
    if (attribute == nullptr || !attribute->Value() || attribute->Value()->size() > kMaxAttribute) return std::nullopt;
    return attribute->Value();
}

std::string CutMessage(const std::string& decoded) {
    if (decoded.size() <= kItemHead + kItemTail) return {};
    return decoded.substr(kItemHead, decoded.size() - kItemHead - kItemTail);
}

}  // namespace

std::optional<ReceivedMailing> ReadMailing(std::string_view text) {
    auto document = std::make_unique<CMarkupDoc>();
    document->Parse(text, true);
    CMarkupNode* rml = FirstChild(document.get(), "RML");
    CMarkupNode* creator = FirstChild(FirstChild(FirstChild(rml, "DataMailing"), "DataMail"), "Creator");
    const CMarkupNode* item = FirstChild(creator, "Item");
    const std::optional<std::string> shellVersion = Attribute(rml, "SHELLVER");
    std::optional<std::string> gameId = Attribute(creator, "GUID");
    const std::optional<std::string> version = Attribute(creator, "VER");
    const std::optional<std::string> fileName = Attribute(creator, "FILENAME");
    if (item == nullptr || !shellVersion || !gameId || !version || !fileName) return std::nullopt;

    ReceivedMailing mailing;
    if (!ParseShortVersionStamp(*version, mailing.version)) return std::nullopt;
    mailing.gameId = std::move(*gameId);
    mailing.message = CutMessage(DecodeEscapes(item->Value() != nullptr ? item->Value()->GetText() : std::string()));
    return mailing;
}

}  // namespace mailing
