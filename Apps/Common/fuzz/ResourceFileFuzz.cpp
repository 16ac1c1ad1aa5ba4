// Every read of the resource text reader over arbitrary bytes: the first byte picks the buffer
// size and the order of reads, the rest is the text. Reads end, stay inside the text (the
// address sanitizer watches an exact-size copy) and always terminate their strings.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Apps/Common/ResourceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t capacity = data[0] % 20;
    const std::vector<uint8_t> text(data + 1, data + size);
    // Odd sizes read with the older edition, which reads an empty text too.
    CResourceFile current(text);
    CResourceFileOld older(text);
    CResourceFile& file = size % 2 == 0 ? current : older;
    std::vector<char> buffer(capacity, 'x');
    int more = 1;
    for (size_t round = 0; round < text.size() + 4; ++round) {
        int value = 0;
        switch (((data[0] >> 5) + round) % 4) {
            case 0: file.ReadInt(&value); break;
            case 3: {
                float real = 0;
                file.ReadReal(&real);
                break;
            }
            case 1:
                if (file.ReadQuotedString(buffer) == 0) {
                    bool terminated = false;
                    for (const char c : buffer) terminated = terminated || c == '\0';
                    if (!terminated) __builtin_trap();
                }
                break;
            default: file.NextChar(&more); break;
        }
    }
    if ((size % 2 == 1 || file.IsLoaded()) && (file.NextChar(&more) != '\0' || more != 0)) __builtin_trap();
    return 0;
}
