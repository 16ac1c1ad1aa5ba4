#include "core/store/MarkupValue.h"

#include "core/store/Base64.h"

CMarkupValue::CMarkupValue(Kind kind, std::string_view data) : kind_(kind), data_(data) {}

std::unique_ptr<CMarkupValue> CMarkupValue::Clone() const { return std::make_unique<CMarkupValue>(kind_, data_); }

const std::string& CMarkupValue::GetText() const {
    if (kind_ != kBinary) return data_;
    if (!encoded_) {
        CBase64 coder;
        coder.EncodeText(data_);
        encoded_ = std::make_unique<std::string>(coder.GetEncoded());
    }
    return *encoded_;
}

std::unique_ptr<CMarkupValue> CMarkupValue::EncodeBase64() const {
    if (kind_ != kBinary) return std::make_unique<CMarkupValue>();
    return std::make_unique<CMarkupValue>(kBase64, GetText());
}

std::unique_ptr<CMarkupValue> CMarkupValue::DecodeBase64() const {
    CBase64 coder;
    if (!coder.Decode(GetText())) return std::make_unique<CMarkupValue>();
    const auto bytes = coder.GetDecoded();
    return std::make_unique<CMarkupValue>(kBinary, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
