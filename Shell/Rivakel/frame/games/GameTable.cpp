#include "frame/games/GameTable.h"

#include <algorithm>

#include "core/base/Strings.h"
#include "core/files/FileNames.h"
#include "core/graphics/Surface.h"
#include "core/install/GameIdentifier.h"
#include "platform/Host.h"

namespace {

constexpr std::string_view kUltraHexavon = "UltraHexavon";
constexpr std::string_view kDunmoroSilver = "DunmoroSilver";
constexpr std::string_view kPlimsey = "Plimsey";
constexpr std::string_view kAppendedLogo = "img-prevgamelogo-brisquet.gif";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

CGameTable::CGameTable(GameTableConfig config, std::vector<GameRecord> rows)
    : config_(std::move(config)), rows_(std::move(rows)) {
    if (rows_.size() > kMaxRows) rows_.resize(kMaxRows);
}

int CGameTable::Count() const { return static_cast<int>(rows_.size()); }

const GameRecord* CGameTable::Row(int index) const {
    return index >= 0 && index < Count() ? &rows_[static_cast<size_t>(index)] : nullptr;
}

std::optional<GameTableEntry> CGameTable::Entry(int index) const {
    const GameRecord* row = Row(index);
    if (row == nullptr) return std::nullopt;
    return GameTableEntry{row->name, row->modulePath, row->folder, row->installed, row->guid, row->version};
}

int CGameTable::IndexOfFile(std::string_view file) const {
    if (file.empty()) return -1;
    for (int i = 0; i < Count(); ++i)
        if (rows_[static_cast<size_t>(i)].installed && rows_[static_cast<size_t>(i)].modulePath == file) return i;
    const std::string_view name = LastComponent(file);
    if (EqualsNoCase(name, "hexavon.gam")) {
        for (int i = 0; i < Count(); ++i)
            if (rows_[static_cast<size_t>(i)].name == kUltraHexavon) return i;
    }
    // The longest name wins: "Brisquet2.gam" is Brisquet2's, not Brisquet's.
    int best = -1;
    for (int i = 0; i < Count(); ++i) {
        const std::string& rowName = rows_[static_cast<size_t>(i)].name;
        if (!rowName.empty() && StartsWithNoCase(name, rowName) &&
            (best < 0 || rowName.size() > rows_[static_cast<size_t>(best)].name.size()))
            best = i;
    }
    return best;
}

void CGameTable::ClearInstalled() {
    for (GameRecord& row : rows_) row.installed = false;
}

void CGameTable::FindInstalled() { EnumerateInstalled(); }

void CGameTable::EnumerateInstalled(const std::function<void(int, GameInfo&)>& found) {
    if (!config_.enumerateGames || !config_.readGameInfo) return;
    config_.enumerateGames([&](const std::string& file, const std::string& folder) {
        const std::string path = platform::JoinPath(folder, file);
        GameInfo info;
        if (config_.readGameInfo(path, info) != 0) return;
        const int index = AddGame(info, path, folder);
        if (index >= 0 && found) found(index, info);
        if (info.logo != nullptr) info.logo->ReleaseInternalRef();
    });
}

void CGameTable::Rescan(const std::function<void(int, GameInfo&)>& found) {
    ClearInstalled();
    EnumerateInstalled(found);
}

int CGameTable::AddGame(const GameInfo& info, const std::string& path, const std::string& folder) {
    const std::string_view guid = info.id;
    if (!IsValidGameIdentifier(guid)) return -1;
    auto match = std::find_if(rows_.begin(), rows_.end(), [&](const GameRecord& row) { return EqualsNoCase(row.guid, guid); });
    if (match == rows_.end()) {
        if (Count() >= kMaxRows) return -1;
        GameRecord row;
        row.name = info.name;
        row.guid = guid;
        row.logo = kAppendedLogo;
        row.description = "<s3><c000000>" + row.name;
        row.appended = true;
        rows_.push_back(std::move(row));
        match = rows_.end() - 1;
    }
    GameRecord& row = *match;
    row.installed = true;
    if (row.name == kUltraHexavon) hidePlimsey_ = true;
    row.modulePath = path;
    row.folder = folder;
    row.pace = info.pace;
    row.category = info.category;
    row.version = info.version;
    return static_cast<int>(match - rows_.begin());
}

std::vector<int> CGameTable::Recommendations(size_t most) const {
    std::vector<int> chosen;
    for (int i = 0; i < Count() && chosen.size() < most; ++i) {
        const GameRecord& row = rows_[static_cast<size_t>(i)];
        if (row.installed || row.appended || row.name == kUltraHexavon || row.name == kDunmoroSilver ||
            (hidePlimsey_ && row.name == kPlimsey))
            continue;
        chosen.push_back(i);
    }
    return chosen;
}

void CGameTable::MarkRemoved(int index) {
    if (index < 0 || index >= Count()) return;
    GameRecord& row = rows_[static_cast<size_t>(index)];
    row.installed = false;
    row.modulePath.clear();
    row.folder.clear();
}
