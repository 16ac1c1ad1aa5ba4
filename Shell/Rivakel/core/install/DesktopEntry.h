// The texts the desktop reads: desktop entries for the shortcuts and the file association, the
// shared-mime-info package of the ".rml" type, and the program icon as an XPM picture.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view kRmlMimeType = "application/x-rivakel-rml";
inline constexpr std::string_view kShortcutFileName = "rivakel.desktop";
// The association's entry is named like the type's class in the system's own file-type table.
inline constexpr std::string_view kAssociationFileName = "Rivakel.RML.1.desktop";
inline constexpr std::string_view kMimePackageFileName = "rivakel-rml.xml";
inline constexpr std::string_view kIconFileName = "rivakel.xpm";

// `program` as one argument of an Exec line: quoted when it holds a character the entry's rules
// reserve, '%' doubled, and escaped for the entry's string rules; nullopt when it holds a
// control character, which no entry can carry.
std::optional<std::string> QuoteExecArgument(std::string_view program);

struct DesktopEntryPaths {
    std::string program;     // the installed program
    std::string workFolder;  // the folder it runs in
    std::string icon;        // the icon file
};
// The shortcut on the desktop and in the games menu. nullopt when a path cannot be written.
std::optional<std::string> ShortcutEntry(const DesktopEntryPaths& paths);
// The hidden entry that opens ".rml" files with the program.
std::optional<std::string> AssociationEntry(const DesktopEntryPaths& paths);
std::string MimePackage();

// A picture of 0xRRGGBB pixels as XPM; `key` pixels become transparent.
std::string XpmPicture(std::span<const uint32_t> pixels, int width, int height, uint32_t key);
