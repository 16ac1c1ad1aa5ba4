// The typed content of a markup element: nothing, text, binary bytes or base64 text.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class CMarkupValue {
public:
    enum Kind { kEmpty = 0, kText = 1, kBinary = 2, kBase64 = 3 };

    CMarkupValue() = default;
    CMarkupValue(Kind kind, std::string_view data);

    Kind GetKind() const { return kind_; }
    const std::string& GetData() const { return data_; }
    size_t GetLength() const { return data_.size(); }
    std::unique_ptr<CMarkupValue> Clone() const;
    // A binary value's base64 text, made once and kept; other kinds give their data.
    const std::string& GetText() const;
    // A binary value gives its base64 text as a new kBase64 value; other kinds an empty value.
    std::unique_ptr<CMarkupValue> EncodeBase64() const;
    // The bytes this value's text encodes, as a new kBinary value; an empty value when the
    // text is not valid base64.
    std::unique_ptr<CMarkupValue> DecodeBase64() const;

private:
    Kind kind_ = kEmpty;
    std::string data_;
    mutable std::unique_ptr<std::string> encoded_;
};
