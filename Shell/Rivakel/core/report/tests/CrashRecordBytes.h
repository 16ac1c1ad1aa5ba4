// Builds crash records byte by byte, the way the fault handler lays them out, for the tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/CrashRecordFormat.h"

class CrashRecordBytes {
public:
    CrashRecordBytes() {
        std::memcpy(header.magic, platform::crash::kRecordMagic, sizeof header.magic);
        header.version = platform::crash::kRecordVersion;
        header.machine = platform::crash::kMachineX86_64;
        header.signal = 11;
        header.code = 1;
        header.registerCount = platform::crash::RegisterCount;
    }

    CrashRecordBytes& Section(uint32_t tag, const std::string& data, uint64_t length = ~uint64_t{0} - 1) {
        platform::crash::CrashSectionHeader section{tag, 0, length == ~uint64_t{0} - 1 ? data.size() : length};
        Append(&section, sizeof section);
        Append(data.data(), data.size());
        return *this;
    }
    CrashRecordBytes& Stack(uint64_t start, const std::vector<uint8_t>& bytes) {
        std::string data(reinterpret_cast<const char*>(&start), 8);
        data.append(bytes.begin(), bytes.end());
        return Section(platform::crash::Stack, data);
    }
    CrashRecordBytes& End() { return Section(platform::crash::End, ""); }

    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> bytes(sizeof header);
        std::memcpy(bytes.data(), &header, sizeof header);
        bytes.insert(bytes.end(), body_.begin(), body_.end());
        return bytes;
    }

    platform::crash::CrashRecordHeader header{};

private:
    void Append(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        body_.insert(body_.end(), p, p + size);
    }
    std::vector<uint8_t> body_;
};
