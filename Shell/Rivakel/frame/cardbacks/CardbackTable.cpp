#include "frame/cardbacks/CardbackTable.h"

#include <climits>

#include "core/base/Decimal.h"
#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/files/FileNames.h"
#include "core/store/RdtNode.h"
#include "core/store/WholeDataFile.h"
#include "frame/cardbacks/CardbackSettings.h"

namespace {

const std::string* ChildText(const RdtNode& element, std::string_view name) {
    const RdtNode* child = element.FindChild(name);
    return child != nullptr && child->Text() ? &*child->Text() : nullptr;
}

std::optional<int> ParseVersion(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' || text.front() == '\n'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.remove_suffix(1);
    const std::optional<int64_t> value = ParseSignedDecimal(text, INT_MIN, INT_MAX);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

}  // namespace

std::optional<CardbackRecord> ReadCardbackDocument(const RdtNode& document, std::string_view fileName) {
    const RdtNode* element = EqualsNoCase(document.Name(), "cardback") ? &document : document.FindChild("cardback");
    if (element == nullptr || !IsPlainFileName(fileName) || fileName.size() < 3) return std::nullopt;
    const std::string* guid = ChildText(*element, "GUID");
    const std::string* organization = ChildText(*element, "ORGANIZATION");
    const std::string* title = ChildText(*element, "TITLE");
    const std::string* tag = ChildText(*element, "TAG");
    const std::string* versionText = ChildText(*element, "VERSION");
    if (guid == nullptr || organization == nullptr || title == nullptr || tag == nullptr || versionText == nullptr)
        return std::nullopt;
    const std::optional<int> version = ParseVersion(*versionText);
    if (!version) return std::nullopt;
    CardbackRecord record;
    record.guid = *guid;
    record.fileName = fileName;
    record.imageName = std::string(fileName.substr(0, fileName.size() - 3)) + "gif";
    record.organization = *organization;
    record.title = *title;
    record.tag = *tag;
    record.version = *version;
    return record;
}

void CardbackTable::Reset() {
    records_.clear();
    first_ = 0;
    AddDefaultCardback();
}

void CardbackTable::AddDefaultCardback() {
    CardbackRecord record;
    record.fileName = kDefaultCardback;
    record.imageName = kDefaultCardback;
    record.guid = "F23E03EC2A814a0fA892BA9C9F188937";
    record.organization = "Rivakel, Inc.";
    record.title = "Default Cardback";
    record.version = 1;
    records_.push_back(std::move(record));
}

bool CardbackTable::LoadCardbackFile(std::string_view name, bool installed) {
    const std::string shown(name.substr(0, 200));
    const std::string path = installed ? InCardbackFolder(name) : std::string(name);
    const std::unique_ptr<RdtNode> document = IsPlainFileName(name) ? LoadWholeDataFile(path) : nullptr;
    const std::optional<CardbackRecord> record = document ? ReadCardbackDocument(*document, name) : std::nullopt;
    if (!record) {
        Error("Invalid cardback RDT file (%s)", shown.c_str());
        return false;
    }
    if (!installed) StoreCardBack(record->imageName);
    records_.push_back(*record);
    return true;
}

std::optional<int> CardbackTable::VersionOf(std::string_view fileName) const {
    for (const CardbackRecord& record : records_) {
        if (EqualsNoCase(record.fileName, fileName)) return record.version;
    }
    return std::nullopt;
}

CardbackTable& Cardbacks() {
    static CardbackTable table;
    return table;
}
