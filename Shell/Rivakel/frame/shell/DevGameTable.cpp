#include <array>
#include <cstdlib>
#include <vector>

#include "core/resources/ResourceModule.h"
#include "frame/host/GameInfo.h"
#include "frame/shell/IGameTable.h"

namespace {

std::string_view FileName(std::string_view path) {
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The row of a module: the name, identifier and version the game gives itself; its file name
// only when the module has no description.
GameTableEntry DescribedRow(std::string_view modulePath) {
    GameTableEntry row;
    row.module = std::string(modulePath);
    row.installed = true;
    GameInfo info;
    std::array<char, 256> logoName{};
    const auto module = resources::ResourceModule::FromModuleFile(row.module);
    if (module && ReadGameDescription(*module, info, logoName)) {
        row.name = info.name;
        row.guid = info.id;
        row.version = info.version;
    } else {
        row.name = FileName(modulePath);
    }
    return row;
}

class ListedGameTable final : public IGameTable {
public:
    explicit ListedGameTable(std::vector<GameTableEntry> rows) : rows_(std::move(rows)) {}
    int Count() const override { return static_cast<int>(rows_.size()); }
    std::optional<GameTableEntry> Entry(int index) const override {
        if (index < 0 || index >= Count()) return std::nullopt;
        return rows_[static_cast<size_t>(index)];
    }
    int IndexOfFile(std::string_view file) const override {
        for (int i = 0; i < Count(); ++i) {
            if (!file.empty() && FileName(rows_[static_cast<size_t>(i)].module) == FileName(file)) return i;
        }
        return -1;
    }
    // The rows are known to exist: they stay installed.
    void ClearInstalled() override {}
    void FindInstalled() override {}

private:
    std::vector<GameTableEntry> rows_;
};

}  // namespace

std::unique_ptr<IGameTable> MakeSingleGameTable(std::string_view modulePath) {
    std::vector<GameTableEntry> rows;
    if (!modulePath.empty()) {
        const size_t slash = modulePath.rfind('/');
        GameTableEntry row = DescribedRow(modulePath);
        row.folder = slash == std::string_view::npos ? std::string() : std::string(modulePath.substr(0, slash));
        rows.push_back(std::move(row));
    }
    return std::make_unique<ListedGameTable>(std::move(rows));
}

std::unique_ptr<IGameTable> MakeDevGameTable() {
    const char* named = std::getenv(kDevGameVariable);
    return MakeSingleGameTable(named != nullptr ? named : "");
}
