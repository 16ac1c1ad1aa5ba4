// One attribute of a markup element.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/base/RefCounted.h"

class CMarkupAttr : public CRefCounted {
public:
    CMarkupAttr(std::string_view name, std::optional<std::string_view> value);

    const std::string& Name() const { return name_; }
    const std::optional<std::string>& Value() const { return value_; }
    void SetValue(std::optional<std::string_view> value);
    // Copies the value into the caller's buffer, cut to fit and always terminated.
    size_t GetValue(std::span<char> out) const;

private:
    std::string name_;
    std::optional<std::string> value_;
};
