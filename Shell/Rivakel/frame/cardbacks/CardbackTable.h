// The cardbacks the shell knows: the built-in default and one per description file
// "cbk-*.rdt" (a "cardback" element with GUID, ORGANIZATION, TITLE, TAG and VERSION), whose
// picture lies beside it under the same name ending in "gif". One table for the process.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RdtNode;

inline constexpr std::string_view kDefaultCardback = "p-img-shell-defaultcardback.gif";
inline constexpr std::string_view kCardbackFolder = "System\\Skins\\Cardbacks";
inline constexpr std::string_view kCardbackPattern = "cbk-*.rdt";

struct CardbackRecord {
    std::string guid;
    std::string fileName;   // the description file, without folder
    std::string imageName;  // its picture, without folder
    std::string organization;
    std::string title;
    std::string tag;
    int version = 0;
};

// The record `document` describes (its root, or the root's first "cardback" child; any case);
// nullopt when a child is missing or VERSION is not a decimal number. Pure.
std::optional<CardbackRecord> ReadCardbackDocument(const RdtNode& document, std::string_view fileName);

class CardbackTable {
public:
    // Only the built-in default, the first thumbnail at the first record.
    void Reset();
    void AddDefaultCardback();
    // Reads one description file of the cardback folder: true when added (logged when not).
    // A shell that is not installed also makes each file read the choice, so the last one wins.
    bool LoadCardbackFile(std::string_view name, bool installed);

    size_t Count() const { return records_.size(); }
    const CardbackRecord& Record(size_t index) const { return records_[index]; }
    // The version of the record read from that description file (any case).
    std::optional<int> VersionOf(std::string_view fileName) const;
    // The record the selector's first thumbnail shows.
    size_t First() const { return first_; }
    void SetFirst(size_t first) { first_ = records_.empty() ? 0 : first % records_.size(); }

private:
    std::vector<CardbackRecord> records_;
    size_t first_ = 0;
};

CardbackTable& Cardbacks();
