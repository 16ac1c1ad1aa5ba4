// The file service: opens every data file the shell or an applet reads by name, looking in a
// fixed order through memory blocks, the developer override folder, the chosen cardback, the
// module under inspection, the running applet and then its folder, the disk and the shell's
// own resources; and
// lists, deletes and writes files in the shell's folders. Main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/File.h"
#include "core/files/MemoryBlocks.h"

namespace resources {
class ResourceModule;
}

inline constexpr std::string_view kCardBackName = "CardBack.gif";
inline constexpr std::string_view kDefaultCardBackName = "p-img-shell-defaultcardback.gif";
// Result of LoadModuleString when the module or the string is missing.
inline constexpr int kModuleStringMissing = 4;

struct FileServiceConfig {
    std::string shellPath;       // the shell's own folder
    bool installed = false;      // data files then live in dataFolder
    std::string dataFolder;      // the application-data folder followed by "/Rivakel"
    std::string overrideFolder;  // developer images that win over resources; empty: none
};

// The shell's folders for this machine: the data folder under the platform's application
// data, and the override folder that RIVAKEL_IMAGES names, if any.
FileServiceConfig DefaultFileServiceConfig(std::string shellPath, bool installed);

// What the shell frame knows of cardbacks: the chosen file and the cardback table's size.
struct CardBackChoice {
    std::string chosen;
    int tableEntries = 0;
};

// Receives a file's name and the folder it lies in.
using FileFoundCallback = std::function<void(const std::string& fileName, const std::string& folder)>;

class CSubsystem_File {
public:
    explicit CSubsystem_File(FileServiceConfig config);

    // A new file, owned by the caller until someone takes a reference; IsOpen tells whether
    // the name was found (OpenResult gives kFileMissing when not). `flags` are not used.
    CFile* OpenFile(std::string_view name, int flags = 0);
    // Deletes a file nobody holds a reference to; one still held is only closed. 0.
    int CloseFile(CFile* file);
    // Files whose names match `pattern`, in name order: in `subfolder` of the data folder when
    // installed, else in the shell path itself (where OpenFile finds them). 0.
    int EnumerateFiles(std::string_view subfolder, std::string_view pattern, const FileFoundCallback& found);
    // Installed: each folder under the shell path's "Games" with its game file ("<folder>.gam",
    // else the first "*.gam" by name); hidden folders are passed over. Not installed: the first "*.gam" of the shell path. 0.
    int EnumerateGames(const FileFoundCallback& found);
    // The module whose resources come before the running applet's (a game whose description
    // is being read). It must stay alive until cleared. 0.
    int SetResourceModule(const resources::ResourceModule* module);
    int ClearResourceModule();
    // The folder the running game was installed in: its own files (boards, levels, texts beside
    // it) are found there after its resources, and nothing outside it. Empty: no game runs.
    void SetGameFolder(std::string folder) { gameFolder_ = std::move(folder); }
    // String `id` of a module file's string table, cut to fit; 0 or kModuleStringMissing.
    int LoadModuleString(const std::string& moduleFile, uint32_t id, std::span<char> buffer);
    // Deletes a file below the shell path; 0, or kFileMissing when it is refused or absent.
    int DeleteShellFile(std::string_view name);
    // Replaces a file below the data folder atomically; false (logged) on any failure, with
    // the old file left whole.
    bool WriteAppDataFile(std::string_view name, std::string_view text);

    void SetInstalled(bool installed) { config_.installed = installed; }
    const FileServiceConfig& Config() const { return config_; }
    void SetCardBackSource(std::function<CardBackChoice()> source) { cardBackSource_ = std::move(source); }
    MemoryBlockTable& MemoryBlocks() { return memoryBlocks_; }

private:
    void Resolve(CFile& file, std::string_view name);
    bool OpenFromDisk(CFile& file, const std::string& root, std::string_view name);
    CardBackChoice CardBack() const;

    FileServiceConfig config_;
    const resources::ResourceModule* inspected_ = nullptr;
    std::string gameFolder_;
    std::function<CardBackChoice()> cardBackSource_;
    MemoryBlockTable memoryBlocks_;
};

// The session's file service; null before CreateFileService and after DestroyFileService.
CSubsystem_File* FileService();
CSubsystem_File* CreateFileService(FileServiceConfig config);
void DestroyFileService();
// The bytes of the file `name` opens to through the session's file service; nullopt when
// there is none or the name is not found.
std::optional<std::vector<uint8_t>> ReadNamedFile(std::string_view name);
