#include "core/store/Base64.h"

#include <array>

#include "core/base/Log.h"

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr uint8_t kNotInAlphabet = 0xFF;

constexpr std::array<uint8_t, 256> MakeDecodeTable() {
    std::array<uint8_t, 256> table{};
    for (auto& entry : table) entry = kNotInAlphabet;
    for (size_t i = 0; i < kAlphabet.size(); ++i) table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<uint8_t>(i);
    return table;
}
constexpr std::array<uint8_t, 256> kDecodeTable = MakeDecodeTable();

constexpr size_t RoundUpToPage(size_t n) { return (n / 4096 + 1) * 4096; }

}  // namespace

void CBase64::ReserveEncoded(size_t n) {
    encoded_.clear();
    if (n > encoded_.capacity()) encoded_.reserve(RoundUpToPage(n));
}

void CBase64::ReserveDecoded(size_t n) {
    decoded_.clear();
    if (n > decoded_.capacity()) decoded_.reserve(RoundUpToPage(n));
}

void CBase64::SetDecoded(std::span<const uint8_t> bytes) {
    ReserveDecoded(bytes.size());
    decoded_.assign(bytes.begin(), bytes.end());
}

void CBase64::EncodeText(std::string_view text) {
    Encode(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void CBase64::SplitGroup(const uint8_t bytes[3], uint8_t sextets[4]) const {
    sextets[0] = static_cast<uint8_t>(bytes[0] >> 2);
    sextets[1] = static_cast<uint8_t>(((bytes[0] & 0x03) << 4) | (bytes[1] >> 4));
    sextets[2] = static_cast<uint8_t>(((bytes[1] & 0x0F) << 2) | (bytes[2] >> 6));
    sextets[3] = static_cast<uint8_t>(bytes[2] & 0x3F);
}

void CBase64::JoinGroup(const uint8_t sextets[4], uint8_t bytes[3]) const {
    bytes[0] = static_cast<uint8_t>((sextets[0] << 2) | (sextets[1] >> 4));
    bytes[1] = static_cast<uint8_t>(((sextets[1] & 0x0F) << 4) | (sextets[2] >> 2));
    bytes[2] = static_cast<uint8_t>(((sextets[2] & 0x03) << 6) | sextets[3]);
}

void CBase64::EncodeGroup(const uint8_t sextets[4], char out[4]) const {
    for (int i = 0; i < 4; ++i) out[i] = kAlphabet[sextets[i] & 0x3F];
}

bool CBase64::DecodeGroup(const char in[4], uint8_t sextets[4]) const {
    for (int i = 0; i < 4; ++i) {
        sextets[i] = kDecodeTable[static_cast<unsigned char>(in[i])];
        if (sextets[i] == kNotInAlphabet) return false;
    }
    return true;
}

void CBase64::Encode(std::span<const uint8_t> bytes) {
    SetDecoded(bytes);
    ReserveEncoded((bytes.size() + 2) / 3 * 4 + 1);
    size_t i = 0;
    uint8_t sextets[4];
    char out[4];
    for (; i + 3 <= bytes.size(); i += 3) {
        SplitGroup(&bytes[i], sextets);
        EncodeGroup(sextets, out);
        encoded_.append(out, 4);
    }
    const size_t rest = bytes.size() - i;
    if (rest > 0) {
        const uint8_t last[3] = {bytes[i], rest > 1 ? bytes[i + 1] : uint8_t{0}, 0};
        SplitGroup(last, sextets);
        EncodeGroup(sextets, out);
        out[3] = '=';
        if (rest == 1) out[2] = '=';
        encoded_.append(out, 4);
    }
}

bool CBase64::DecodeText(std::string_view text) { return Decode(text); }

void CBase64::FilterText(std::string_view text) {
    ReserveEncoded(text.size());
    for (char c : text) {
        if (!IsWhiteSpace(c)) encoded_ += c;
    }
}

bool CBase64::Decode(std::string_view text) {
    FilterText(text);
    ReserveDecoded(encoded_.size() / 4 * 3);
    if (encoded_.size() % 4 != 0) {
        Error("CBase64::Decode: length %zu is not a multiple of 4", encoded_.size());
        return false;
    }
    for (size_t i = 0; i < encoded_.size(); i += 4) {
        char group[4] = {encoded_[i], encoded_[i + 1], encoded_[i + 2], encoded_[i + 3]};
        size_t padding = 0;
        if (i + 4 == encoded_.size()) {
            if (group[3] == '=') {
                padding = group[2] == '=' ? 2 : 1;
                group[3] = 'A';
                if (padding == 2) group[2] = 'A';
            }
        }
        uint8_t sextets[4];
        if (!DecodeGroup(group, sextets)) {
            Error("CBase64::Decode: invalid character near offset %zu", i);
            decoded_.clear();
            return false;
        }
        uint8_t bytes[3];
        JoinGroup(sextets, bytes);
        decoded_.insert(decoded_.end(), bytes, bytes + 3 - padding);
    }
    return true;
}
