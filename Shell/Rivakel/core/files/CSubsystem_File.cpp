#include "core/files/CSubsystem_File.h"

#include <cstdlib>

#include "core/base/Log.h"
#include "core/base/Strings.h"
#include "core/files/FileNames.h"
#include "core/resources/ResourceModule.h"
#include "core/resources/ResourceRegistry.h"
#include "platform/Host.h"

namespace {

std::unique_ptr<CSubsystem_File> g_fileService;

// The folder `relative` names below `root`; nullopt when it would leave the root.
std::optional<std::string> FolderBelow(const std::string& root, std::string_view relative) {
    if (relative.empty()) return root;
    if (!IsSafeRelativeName(relative)) return std::nullopt;
    return platform::ResolvePath(root, relative);
}

bool OpenResource(CFile& file, const resources::ResourceModule* module, std::string_view name,
                  std::shared_ptr<const void> owner = nullptr) {
    if (module == nullptr) return false;
    const auto data = module->FindData(name);
    if (!data) return false;
    file.OpenBorrowed(*data, std::move(owner));
    return true;
}

// The most a file opened by name can need, by its kind: pictures within the decoder's limits,
// ten minutes of CD-quality sound, and text, markup, boards and levels.
constexpr uint64_t kMaxPictureBytes = uint64_t{64} << 20;
constexpr uint64_t kMaxSoundBytes = uint64_t{128} << 20;
constexpr uint64_t kMaxOtherBytes = uint64_t{16} << 20;

uint64_t MaxBytesOfKind(std::string_view name) {
    if (MatchesPattern(name, "*.gif")) return kMaxPictureBytes;
    if (MatchesPattern(name, "*.wav")) return kMaxSoundBytes;
    return kMaxOtherBytes;
}

}  // namespace

FileServiceConfig DefaultFileServiceConfig(std::string shellPath, bool installed) {
    FileServiceConfig config;
    config.shellPath = std::move(shellPath);
    config.installed = installed;
    config.dataFolder = platform::JoinPath(platform::DataFolder(), "Rivakel");
    if (const char* images = std::getenv("RIVAKEL_IMAGES")) config.overrideFolder = images;
    return config;
}

CSubsystem_File::CSubsystem_File(FileServiceConfig config) : config_(std::move(config)) {}

CFile* CSubsystem_File::OpenFile(std::string_view name, int /*flags*/) {
    auto* file = new CFile;
    Resolve(*file, name);
    return file;
}

int CSubsystem_File::CloseFile(CFile* file) {
    if (file == nullptr) return 0;
    if (file->InterfaceCount() == 0 && file->InternalCount() == 0)
        delete file;
    else
        file->Close();
    return 0;
}

CardBackChoice CSubsystem_File::CardBack() const {
    // Before the shell frame knows any cardback, the built-in one is the only one.
    CardBackChoice choice = cardBackSource_ ? cardBackSource_() : CardBackChoice{{}, 1};
    // The choice comes from the user's settings: anything but a plain file name is ignored.
    if (choice.chosen.empty() || choice.chosen.find_first_of("\\/:") != std::string::npos ||
        !IsSafeRelativeName(choice.chosen))
        choice.chosen = kDefaultCardBackName;
    return choice;
}

bool CSubsystem_File::OpenFromDisk(CFile& file, const std::string& root, std::string_view name) {
    if (root.empty()) return false;
    const auto path = platform::ResolvePath(root, name);
    if (!path) return false;
    const uint64_t cap = MaxBytesOfKind(name);
    auto data = platform::ReadWholeFile(*path, cap);
    if (!data) {
        if (platform::FileSize(*path).value_or(0) > cap) Warning("CFile::CFile: %s is too large", path->c_str());
        return false;
    }
    file.OpenOwned(std::move(*data));
    return true;
}

void CSubsystem_File::Resolve(CFile& file, std::string_view requested) {
    const std::string shown(requested.substr(0, kLogLineSize));
    if (MemoryBlockTable::IsMemoryName(requested)) {
        if (auto block = memoryBlocks_.Find(requested)) {
            file.OpenShared(std::move(block));
            return;
        }
        Error("Error - Unrecognized file (%s) specified in CFile::CFile", shown.c_str());
        return;
    }
    if (!IsSafeRelativeName(requested)) {
        Error("Error - Refused file name (%s) in CFile::CFile", shown.c_str());
        return;
    }

    std::string name(requested);
    if (OpenFromDisk(file, config_.overrideFolder, name)) return;

    int cardBackEntries = 0;
    if (EqualsNoCase(name, kCardBackName)) {
        const CardBackChoice choice = CardBack();
        cardBackEntries = choice.tableEntries;
        name = EqualsNoCase(choice.chosen, kDefaultCardBackName) ? std::string(kDefaultCardBackName)
                                                                 : "system\\skins\\cardbacks\\" + choice.chosen;
        // With only the built-in cardback in the table, a game's own cardback comes first.
        if (name == kDefaultCardBackName && cardBackEntries == 1) name = kCardBackName;
    }

    const auto& registry = resources::ResourceRegistry::Instance();
    if (OpenResource(file, inspected_, name)) return;
    const auto applet = registry.SharedApplet();
    if (OpenResource(file, applet.get(), name, applet)) return;
    if (OpenFromDisk(file, gameFolder_, name)) return;

    if (EqualsNoCase(name, kCardBackName) && cardBackEntries == 1) name = kDefaultCardBackName;

    if (config_.installed ? OpenFromDisk(file, config_.dataFolder, name)
                          : OpenFromDisk(file, config_.shellPath, LastComponent(name)))
        return;
    if (OpenResource(file, registry.Shell(), name)) return;

    Error("Error - Unrecognized file (%s) specified in CFile::CFile", shown.c_str());
}

int CSubsystem_File::EnumerateFiles(std::string_view subfolder, std::string_view pattern,
                                          const FileFoundCallback& found) {
    // Not installed, data files lie flat in the shell's folder (as OpenFile looks for them by
    // their last component), so the subfolder is not descended into.
    const std::string& root = config_.installed ? config_.dataFolder : config_.shellPath;
    if (!found || root.empty()) return 0;
    const auto folder = FolderBelow(root, config_.installed ? subfolder : std::string_view());
    if (!folder || (!subfolder.empty() && !IsSafeRelativeName(subfolder))) return 0;
    for (const auto& entry : platform::ListFolder(*folder))
        if (!entry.isFolder && MatchesPattern(entry.name, pattern)) found(entry.name, *folder);
    return 0;
}

int CSubsystem_File::EnumerateGames(const FileFoundCallback& found) {
    if (!found || config_.shellPath.empty()) return 0;
    auto firstGame = [](const std::vector<platform::FolderEntry>& entries, std::string_view preferred) {
        const platform::FolderEntry* first = nullptr;
        for (const auto& entry : entries) {
            if (entry.isFolder || !MatchesPattern(entry.name, "*.gam")) continue;
            if (EqualsNoCase(entry.name, preferred)) return &entry;
            if (first == nullptr) first = &entry;
        }
        return first;
    };
    if (!config_.installed) {
        const auto entries = platform::ListFolder(config_.shellPath);
        if (const auto* game = firstGame(entries, {})) found(game->name, config_.shellPath);
        return 0;
    }
    const auto games = platform::ResolvePath(config_.shellPath, "Games");
    if (!games) return 0;
    for (const auto& entry : platform::ListFolder(*games)) {
        // Hidden folders are the installer's: games being removed.
        if (!entry.isFolder || entry.name.starts_with('.')) continue;
        const std::string folder = platform::JoinPath(*games, entry.name);
        const auto inside = platform::ListFolder(folder);
        if (const auto* game = firstGame(inside, entry.name + ".gam")) found(game->name, folder);
    }
    return 0;
}

int CSubsystem_File::SetResourceModule(const resources::ResourceModule* module) {
    inspected_ = module;
    return 0;
}

int CSubsystem_File::ClearResourceModule() {
    inspected_ = nullptr;
    return 0;
}

int CSubsystem_File::LoadModuleString(const std::string& moduleFile, uint32_t id, std::span<char> buffer) {
    if (!buffer.empty()) buffer[0] = '\0';
    const auto module = resources::ResourceModule::FromModuleFile(moduleFile);
    return module != nullptr && module->CopyString(id, buffer) ? 0 : kModuleStringMissing;
}

int CSubsystem_File::DeleteShellFile(std::string_view name) {
    if (config_.shellPath.empty() || !IsSafeRelativeName(name)) return kFileMissing;
    const auto path = platform::ResolvePath(config_.shellPath, name);
    return path && platform::DeleteFile(*path) ? 0 : kFileMissing;
}

bool CSubsystem_File::WriteAppDataFile(std::string_view name, std::string_view text) {
    const std::string shown(name.substr(0, kLogLineSize));
    const auto path = IsSafeRelativeName(name) && !config_.dataFolder.empty()
                          ? platform::ResolvePath(config_.dataFolder, name)
                          : std::nullopt;
    if (!path) {
        Error("Error - Refused file name (%s) in WriteAppDataFile", shown.c_str());
        return false;
    }
    const size_t slash = path->rfind('/');
    const bool written =
        (slash == std::string::npos || platform::CreateFolders(path->substr(0, slash))) &&
        platform::WriteFileAtomic(*path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!written) Error("Error - Couldn't write file (%s) in WriteAppDataFile", shown.c_str());
    return written;
}

CSubsystem_File* FileService() { return g_fileService.get(); }

CSubsystem_File* CreateFileService(FileServiceConfig config) {
    g_fileService = std::make_unique<CSubsystem_File>(std::move(config));
    return g_fileService.get();
}

void DestroyFileService() { g_fileService.reset(); }

std::optional<std::vector<uint8_t>> ReadNamedFile(std::string_view name) {
    CSubsystem_File* files = FileService();
    if (files == nullptr) return std::nullopt;
    CFile* file = files->OpenFile(name, 1);
    std::optional<std::vector<uint8_t>> bytes;
    if (file->IsOpen()) bytes.emplace(file->GetData().begin(), file->GetData().end());
    files->CloseFile(file);
    return bytes;
}
