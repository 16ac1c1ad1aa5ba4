// Conversion between bytes and base64 text (the standard alphabet, '=' padding, no line
// breaks). Decoding skips white space and rejects anything else outside the alphabet, a '='
// before the last group and a length that is not a multiple of four.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CBase64 {
public:
    CBase64() = default;
    virtual ~CBase64() = default;

    virtual void EncodeText(std::string_view text);
    virtual void Encode(std::span<const uint8_t> bytes);
    virtual bool DecodeText(std::string_view text);
    // False for invalid input; the decoded bytes are then empty.
    virtual bool Decode(std::string_view text);
    virtual std::span<const uint8_t> GetDecoded() const { return decoded_; }
    virtual std::string_view GetEncoded() const { return encoded_; }
    // Both clear their buffer and make room for at least n units.
    virtual void ReserveEncoded(size_t n);
    virtual void ReserveDecoded(size_t n);
    // Copies the text into the encoded buffer without its white space.
    virtual void FilterText(std::string_view text);
    virtual void SetDecoded(std::span<const uint8_t> bytes);
    // Four alphabet characters for four 6-bit values.
    virtual void EncodeGroup(const uint8_t sextets[4], char out[4]) const;
    // Four 6-bit values for four characters; false when one is outside the alphabet.
    virtual bool DecodeGroup(const char in[4], uint8_t sextets[4]) const;
    virtual void SplitGroup(const uint8_t bytes[3], uint8_t sextets[4]) const;
    virtual void JoinGroup(const uint8_t sextets[4], uint8_t bytes[3]) const;
    virtual bool IsWhiteSpace(char c) const { return (c >= 7 && c <= 13) || c == ' '; }

private:
    std::vector<uint8_t> decoded_;
    std::string encoded_;
};
