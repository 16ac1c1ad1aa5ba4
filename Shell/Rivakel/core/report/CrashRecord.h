// A crash record read back: what the crashed process wrote about itself (see
// platform/CrashRecordFormat.h). Every field is checked against the file's size and the writer's
// bounds; a record cut short keeps what came before the cut.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct CrashRecord {
    int signal = 0;
    int code = 0;
    uint64_t faultAddress = 0;
    uint64_t processId = 0;
    uint64_t timeSeconds = 0;
    std::vector<uint64_t> registers;  // in record order; empty when the context was missing
    std::string maps;
    uint64_t stackStart = 0;          // the address of stack[0]
    std::vector<uint8_t> stack;
    std::vector<std::string> errors;
    bool complete = false;            // the writer reached its end marker

    std::optional<uint64_t> Register(uint32_t index) const {
        return index < registers.size() ? std::optional<uint64_t>(registers[index]) : std::nullopt;
    }
};

// nullopt with `error` set when the bytes do not begin with a record of a known version for this
// machine.
std::optional<CrashRecord> ReadCrashRecord(std::span<const uint8_t> bytes, std::string* error = nullptr);
