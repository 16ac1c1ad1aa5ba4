#include "core/install/GameFile.h"

#include "core/base/Strings.h"
#include "core/install/GameIdentifier.h"
#include "core/resources/ResourceModule.h"
#include "platform/Host.h"

namespace {

// Game strings are short: a longer one is from something else.
constexpr size_t kMaxGameString = 255;

// Ids of the game string table: version, name, identifier, logo.
constexpr uint32_t kVersionId = 3;
constexpr uint32_t kNameId = 4;
constexpr uint32_t kIdentifierId = 5;
constexpr uint32_t kLogoId = 6;

std::optional<GameFileStrings> Fail(std::string* why, const char* reason) {
    if (why != nullptr) *why = reason;
    return std::nullopt;
}

std::optional<std::string> Required(const resources::ResourceModule& module, uint32_t id) {
    const auto text = module.GetString(id);
    if (!text || text->empty() || text->size() > kMaxGameString) return std::nullopt;
    return std::string(*text);
}

}  // namespace

std::optional<GameFileStrings> ReadGameImage(std::span<const uint8_t> image, std::string* why) {
    const auto module = resources::ResourceModule::FromModuleImage(image, "game file");
    if (!module) return Fail(why, "no resource section");
    GameFileStrings strings;
    const auto version = Required(*module, kVersionId);
    const auto name = Required(*module, kNameId);
    const auto identifier = Required(*module, kIdentifierId);
    if (!version || !name || !identifier || !Required(*module, kLogoId)) return Fail(why, "a required string is missing");
    if (!IsValidGameIdentifier(*identifier)) return Fail(why, "the identifier is no plain name");
    if (!ParseVersionStamp(*version, strings.parsed)) return Fail(why, "the version is no version stamp");
    strings.version = *version;
    strings.name = *name;
    strings.identifier = *identifier;
    return strings;
}

std::optional<GameFileStrings> ReadGameFile(const std::string& path, std::string* why) {
    const auto bytes = platform::ReadWholeFile(path);
    if (!bytes) return Fail(why, "the file cannot be read");
    return ReadGameImage(*bytes, why);
}

bool ReplacesInstalledGame(const GameFileStrings& installed, std::string_view baseName, const GameFileStrings& offered) {
    return (!baseName.empty() && EqualsNoCase(installed.name, baseName)) ||
           (EqualsNoCase(installed.name, "DunmoroSilver") && EqualsNoCase(baseName, "Dunmoro")) ||
           EqualsNoCase(installed.identifier, offered.identifier);
}
