#include "core/store/StringBuffer.h"

#include <utility>

void CStringBuffer::Append(std::string_view text) {
    size_t capacity = text_.capacity();
    while (capacity / 4 * 3 < text_.size() + text.size()) capacity *= 2;
    if (capacity != text_.capacity()) text_.reserve(capacity);
    text_.append(text);
}

std::string CStringBuffer::Detach() {
    std::string taken = std::move(text_);
    Reset();
    return taken;
}

void CStringBuffer::Reset() {
    text_ = std::string();
    text_.reserve(kInitialCapacity);
}
