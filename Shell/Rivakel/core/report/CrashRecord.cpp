#include "core/report/CrashRecord.h"

#include <cstring>

#include "core/base/Log.h"
#include "platform/CrashRecordFormat.h"

namespace {

namespace crash = platform::crash;

std::nullopt_t Fail(std::string* error, const char* why) {
    if (error != nullptr) *error = why;
    return std::nullopt;
}

// Lines between NULs, each cut to a log line's length; a last line without its NUL still counts.
std::vector<std::string> SplitLines(std::span<const uint8_t> bytes) {
    std::vector<std::string> lines;
    const auto* text = reinterpret_cast<const char*>(bytes.data());
    size_t at = 0;
    while (at < bytes.size() && lines.size() < kErrorListLimit) {
        const void* nul = std::memchr(text + at, 0, bytes.size() - at);
        const size_t end = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - text) : bytes.size();
        lines.emplace_back(text + at, std::min(end - at, kLogLineSize - 1));
        at = end + 1;
    }
    return lines;
}

void ReadSection(uint32_t tag, std::span<const uint8_t> data, CrashRecord& record) {
    switch (tag) {
    case crash::Maps:
        if (data.size() <= crash::kMaxMapsBytes) record.maps.assign(reinterpret_cast<const char*>(data.data()), data.size());
        break;
    case crash::Stack:
        if (data.size() >= 8 && data.size() - 8 <= crash::kMaxStackBytes) {
            std::memcpy(&record.stackStart, data.data(), 8);
            record.stack.assign(data.begin() + 8, data.end());
        }
        break;
    case crash::Errors:
        if (data.size() <= crash::kMaxErrorBytes) record.errors = SplitLines(data);
        break;
    case crash::End:
        record.complete = true;
        break;
    default:
        break;
    }
}

}  // namespace

std::optional<CrashRecord> ReadCrashRecord(std::span<const uint8_t> bytes, std::string* error) {
    crash::CrashRecordHeader header{};
    if (bytes.size() < sizeof header) return Fail(error, "shorter than a record header");
    std::memcpy(&header, bytes.data(), sizeof header);
    if (std::memcmp(header.magic, crash::kRecordMagic, sizeof header.magic) != 0) return Fail(error, "not a crash record");
    if (header.version != crash::kRecordVersion) return Fail(error, "unknown record version");
    if (header.machine != crash::kMachineX86_64) return Fail(error, "record of another machine");
    if (header.registerCount > crash::kMaxRegisters) return Fail(error, "too many registers");

    CrashRecord record;
    record.signal = static_cast<int>(header.signal);
    record.code = header.code;
    record.faultAddress = header.faultAddress;
    record.processId = header.processId;
    record.timeSeconds = header.timeSeconds;
    record.registers.assign(header.registers, header.registers + header.registerCount);

    size_t at = sizeof header;
    while (!record.complete && bytes.size() - at >= sizeof(crash::CrashSectionHeader)) {
        crash::CrashSectionHeader section{};
        std::memcpy(&section, bytes.data() + at, sizeof section);
        at += sizeof section;
        // A length past the end is a section the writer never finished: keep what is there.
        const size_t length = static_cast<size_t>(std::min<uint64_t>(section.length, bytes.size() - at));
        ReadSection(section.tag, bytes.subspan(at, length), record);
        at += length;
    }
    return record;
}
