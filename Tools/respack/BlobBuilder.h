// Builds a resource blob in the layout of core/resources/ResourceFormat.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace respack {

class BlobBuilder {
public:
    void AddResource(std::string type, std::string name, std::vector<uint8_t> data);
    void AddString(uint32_t id, std::string text);

    // nullopt with `error` set when two resources share a type and name (ignoring case), two
    // strings share an id, a type is empty, a type or name is too long, or the blob would pass 4 GB.
    std::optional<std::vector<uint8_t>> Build(std::string* error) const;

private:
    struct Resource {
        std::string type, name;
        std::vector<uint8_t> data;
    };
    std::vector<Resource> resources_;
    std::vector<std::pair<uint32_t, std::string>> strings_;
};

}  // namespace respack
