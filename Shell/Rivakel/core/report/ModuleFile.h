// A module file named in a crashed process's memory map, read from the disk for its section
// table, function symbols and call-frame information. Nothing of it is loaded or run.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/report/CallFrameInfo.h"
#include "core/report/ElfSymbols.h"
#include "core/report/ProcessMap.h"
#include "core/resources/ElfImage.h"

// Where an address lies in its module's file: the section (numbered as the file numbers them)
// and the offset in it.
struct SectionPlace {
    uint32_t section = 0;
    uint64_t offset = 0;
};

class ModuleFile {
    struct Token {};

public:
    explicit ModuleFile(Token) {}
    // Null when the file cannot be read or is no ELF file.
    static std::unique_ptr<ModuleFile> Load(const std::string& path);
    static std::unique_ptr<ModuleFile> FromBytes(std::vector<uint8_t> bytes);
    ModuleFile(const ModuleFile&) = delete;
    ModuleFile& operator=(const ModuleFile&) = delete;

    // The address as the file's headers count it, for a run-time address inside `region`.
    std::optional<uint64_t> ModuleAddress(const MappedRegion& region, uint64_t address) const;
    std::optional<SectionPlace> SectionOf(uint64_t moduleAddress) const;
    const ElfSymbols& Symbols() const { return symbols_; }
    const CallFrameInfo& Frames() const { return frames_; }

private:
    std::vector<uint8_t> bytes_;
    std::optional<resources::ElfImage> image_;
    ElfSymbols symbols_;
    CallFrameInfo frames_;
};

// The modules of one memory map, each read once, on first use.
class ModuleFiles {
public:
    explicit ModuleFiles(const ProcessMap& map) : map_(map) {}

    struct Place {
        const MappedRegion* region = nullptr;
        const ModuleFile* module = nullptr;  // null when the region has no readable file
        uint64_t moduleAddress = 0;
    };
    // Null region when no mapped region holds the address.
    Place Locate(uint64_t address);
    const ProcessMap& Map() const { return map_; }

private:
    const ProcessMap& map_;
    std::map<std::string, std::unique_ptr<ModuleFile>> loaded_;
};

// The file name of a path ("libc.so.6" of "/usr/lib/x86_64-linux-gnu/libc.so.6").
std::string FileNameOf(const std::string& path);
