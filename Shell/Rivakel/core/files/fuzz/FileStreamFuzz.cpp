// Every stream read over arbitrary data: the first byte picks the buffer size, the rest is
// the file; reads run until the data is used up.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/files/File.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t capacity = data[0] % 24;
    CFile file;
    file.OpenBorrowed({data + 1, size - 1});
    std::vector<char> text(capacity, '\0');
    std::vector<uint8_t> bytes(capacity);
    for (size_t round = 0; !file.AtEnd() && round < size * 2 + 8; ++round) {
        const size_t before = file.Position();
        int32_t value = 0;
        int16_t shortValue = 0;
        uint8_t byte = 0;
        switch (round % 8) {
            case 0: file.ReadInt(value); break;
            case 1: file.ReadQuotedString(text); break;
            case 2: file.ReadBytesToNul(text); break;
            case 3: file.ReadBytes(bytes); break;
            case 4: file.ReadLong(value); break;
            case 5: file.ReadShort(shortValue); break;
            case 6: file.ReadColour(value); break;
            default: file.Skip(static_cast<int8_t>(file.ReadChar()) % 4); file.ReadByte(byte); break;
        }
        if (file.Position() > file.GetSize() || (round % 8 != 7 && file.Position() < before)) __builtin_trap();
        bool terminated = text.empty();
        for (char c : text) terminated = terminated || c == '\0';
        if (!terminated) __builtin_trap();
    }
    return 0;
}
