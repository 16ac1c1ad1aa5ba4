#include "respack/BlobBuilder.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/base/ByteOrder.h"
#include "core/resources/ResourceFormat.h"

namespace respack {

namespace {

size_t Append(std::vector<uint8_t>& out, const void* bytes, size_t size) {
    const size_t at = out.size();
    out.resize(at + size);
    if (size != 0) std::memcpy(out.data() + at, bytes, size);
    return at;
}

std::nullopt_t Fail(std::string* error, std::string why) {
    if (error != nullptr) *error = std::move(why);
    return std::nullopt;
}

}  // namespace

void BlobBuilder::AddResource(std::string type, std::string name, std::vector<uint8_t> data) {
    resources_.push_back({std::move(type), std::move(name), std::move(data)});
}

void BlobBuilder::AddString(uint32_t id, std::string text) { strings_.emplace_back(id, std::move(text)); }

std::optional<std::vector<uint8_t>> BlobBuilder::Build(std::string* error) const {
    using namespace resources;
    std::vector<const Resource*> order;
    for (const Resource& r : resources_) {
        if (r.type.empty()) return Fail(error, "resource \"" + r.name + "\" has no type");
        if (r.type.size() > kMaxKeyPart || r.name.size() > kMaxKeyPart)
            return Fail(error, "resource \"" + r.name.substr(0, 64) + "\" has too long a name");
        order.push_back(&r);
    }
    std::sort(order.begin(), order.end(), [](const Resource* a, const Resource* b) {
        return CompareKeys(a->type, a->name, b->type, b->name) < 0;
    });
    for (size_t i = 1; i < order.size(); ++i)
        if (CompareKeys(order[i - 1]->type, order[i - 1]->name, order[i]->type, order[i]->name) == 0)
            return Fail(error, "two resources named " + order[i]->type + " \"" + order[i]->name + "\"");

    std::vector<const std::pair<uint32_t, std::string>*> strings;
    for (const auto& s : strings_) strings.push_back(&s);
    std::sort(strings.begin(), strings.end(), [](const auto* a, const auto* b) { return a->first < b->first; });
    for (size_t i = 1; i < strings.size(); ++i)
        if (strings[i - 1]->first == strings[i]->first)
            return Fail(error, "two strings with id " + std::to_string(strings[i]->first));

    std::vector<uint8_t> out(kHeaderSize + order.size() * kEntrySize + strings.size() * kStringEntrySize);
    std::memcpy(out.data(), kBlobMagic, sizeof kBlobMagic);
    WriteLe(out.data() + 12, order.size(), 4);
    WriteLe(out.data() + 16, strings.size(), 4);
    const size_t stringsAt = kHeaderSize + order.size() * kEntrySize;

    for (size_t i = 0; i < strings.size(); ++i) {
        const size_t at = Append(out, strings[i]->second.data(), strings[i]->second.size());
        const size_t entry = stringsAt + i * kStringEntrySize;
        WriteLe(out.data() + entry, strings[i]->first, 4);
        WriteLe(out.data() + entry + 4, at, 4);
        WriteLe(out.data() + entry + 8, strings[i]->second.size(), 4);
    }
    for (size_t i = 0; i < order.size(); ++i) {
        const size_t keyAt = Append(out, order[i]->type.data(), order[i]->type.size());
        Append(out, order[i]->name.data(), order[i]->name.size());
        const size_t entry = kHeaderSize + i * kEntrySize;
        WriteLe(out.data() + entry, keyAt, 4);
        WriteLe(out.data() + entry + 4, order[i]->type.size(), 2);
        WriteLe(out.data() + entry + 6, order[i]->name.size(), 2);
    }
    for (size_t i = 0; i < order.size(); ++i) {
        out.resize((out.size() + 3) & ~size_t{3});
        const size_t at = Append(out, order[i]->data.data(), order[i]->data.size());
        const size_t entry = kHeaderSize + i * kEntrySize;
        WriteLe(out.data() + entry + 8, at, 4);
        WriteLe(out.data() + entry + 12, order[i]->data.size(), 4);
    }
    if (out.size() > std::numeric_limits<uint32_t>::max()) return Fail(error, "resources pass 4 GB");
    WriteLe(out.data() + 8, out.size(), 4);
    return out;
}

}  // namespace respack
