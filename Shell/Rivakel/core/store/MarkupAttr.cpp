#include "core/store/MarkupAttr.h"

#include "core/store/CopyToBuffer.h"

CMarkupAttr::CMarkupAttr(std::string_view name, std::optional<std::string_view> value) : name_(name) {
    SetValue(value);
}

void CMarkupAttr::SetValue(std::optional<std::string_view> value) {
    if (value) {
        value_.emplace(*value);
    } else {
        value_.reset();
    }
}

size_t CMarkupAttr::GetValue(std::span<char> out) const { return CopyToBuffer(value_ ? *value_ : std::string(), out); }
