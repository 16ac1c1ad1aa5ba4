// The memory map of a process as /proc/<pid>/maps gives it, parsed into regions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct MappedRegion {
    uint64_t start = 0;
    uint64_t end = 0;  // exclusive
    bool readable = false;
    bool writable = false;
    bool executable = false;
    uint64_t offset = 0;  // of `start` in the mapped file
    std::string path;     // a file, "[stack]" and the like, or empty for anonymous memory
};

class ProcessMap {
public:
    // Lines that do not read as a region are skipped; so is a region whose end is not above its start.
    static ProcessMap Parse(std::string_view text);

    // The region holding `address`; null when none does. The answers point into the map, so a
    // temporary map gives none.
    const MappedRegion* Find(uint64_t address) const&;
    const MappedRegion* Find(uint64_t address) const&& = delete;
    // The first region that starts above `address`; null when none does.
    const MappedRegion* FindAbove(uint64_t address) const&;
    const MappedRegion* FindAbove(uint64_t address) const&& = delete;
    const std::vector<MappedRegion>& Regions() const& { return regions_; }
    const std::vector<MappedRegion>& Regions() const&& = delete;

private:
    std::vector<MappedRegion> regions_;  // sorted by start, not overlapping
};
