// A recipient's data mailing: whatever the file holds, what is read stays within its bounds.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/pages/DataMailingReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<mailing::ReceivedMailing> read = mailing::ReadMailing(text);
    if (!read) return 0;
    if (read->gameId.size() > mailing::kMaxAttribute || read->message.size() > size) __builtin_trap();
    return 0;
}
