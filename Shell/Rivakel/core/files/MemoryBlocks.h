// Data the shell holds in memory and opens by name like a file (downloaded banner pictures):
// "MEM:<size>,<token>", where the token is a number this table handed out. A name opens only
// while its block is registered and only with the block's exact size; no name ever carries
// an address.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kMemoryNamePrefix = "MEM:";

class MemoryBlockTable {
public:
    // Returns the block's name. The table and every file opened on the block share it.
    std::string Register(std::shared_ptr<const std::vector<uint8_t>> block);
    // Forgets the block of `name`; files already open on it keep their data. False when unknown.
    bool Unregister(std::string_view name);
    // The registered block `name` stands for; null when the name is malformed, unknown or
    // names another size.
    std::shared_ptr<const std::vector<uint8_t>> Find(std::string_view name) const;

    static bool IsMemoryName(std::string_view name);

private:
    std::map<uint64_t, std::shared_ptr<const std::vector<uint8_t>>> blocks_;
    // Tokens are never reused, so a stale name cannot reach a later block.
    uint64_t nextToken_ = 1;
};
