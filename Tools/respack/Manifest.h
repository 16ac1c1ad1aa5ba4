// A module's resource manifest: a small text file, one item a line.
//
//   # a comment; blank lines are skipped
//   <TYPE> <name> <source>      a resource, e.g. "RCDATA BtnClick.wav @art/BtnClick.wav"
//   string <id> <text>          a string-table entry; the text runs to the end of the line
//   include <file>              another manifest, relative to this one's folder (its sources are
//                               relative to its own folder)
//
// A source beginning "@art/" lies in the art tool's output folder; any other source is relative
// to the manifest's folder. Names and sources hold no blanks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace respack {

struct ManifestResource {
    std::string type;
    std::string name;
    std::string source;
    int line = 0;
};

struct ManifestString {
    uint32_t id = 0;
    std::string text;
    int line = 0;
};

struct ManifestInclude {
    std::string path;
    int line = 0;
};

struct Manifest {
    std::vector<ManifestResource> resources;
    std::vector<ManifestString> strings;
    std::vector<ManifestInclude> includes;
};

// nullopt with `error` ("line N: why") on the first bad line.
std::optional<Manifest> ParseManifest(std::string_view text, std::string* error);

// The source's path on disk.
std::string ResolveSource(const std::string& source, const std::string& manifestFolder, const std::string& artFolder);

}  // namespace respack
