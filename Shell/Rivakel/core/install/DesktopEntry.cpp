#include "core/install/DesktopEntry.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A value of the entry's string type: a backslash is written doubled.
std::string EscapeString(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::optional<std::string> StringValue(std::string_view text) {
    if (HasControlCharacter(text)) return std::nullopt;
    return EscapeString(text);
}

std::optional<std::string> Entry(const DesktopEntryPaths& paths, bool association) {
    const auto exec = QuoteExecArgument(paths.program);
    const auto folder = StringValue(paths.workFolder);
    const auto icon = StringValue(paths.icon);
    if (!exec || !folder || !icon) return std::nullopt;
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Rivakel\n";
    text += association ? "Comment=Rivakel File\n" : "Comment=A Whole Lotta Fun!\n";
    text += "Exec=" + *exec + (association ? " %f\n" : "\n");
    text += "Path=" + *folder + "\n";
    text += "Icon=" + *icon + "\n";
    text += "Terminal=false\n";
    if (association) {
        text += "NoDisplay=true\nMimeType=" + std::string(kRmlMimeType) + ";\n";
    } else {
        text += "Categories=Game;\n";
    }
    return text;
}

// Two characters per pixel from a set free of the quote and the backslash.
constexpr std::string_view kXpmSymbols = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789+@";

std::string XpmCode(size_t index) {
    const size_t base = kXpmSymbols.size();
    return {kXpmSymbols[(index / base) % base], kXpmSymbols[index % base]};
}

}  // namespace

std::optional<std::string> QuoteExecArgument(std::string_view program) {
    if (program.empty() || HasControlCharacter(program)) return std::nullopt;
    // Some openers cannot read a quoted program: quotes only where they are needed.
    if (program.find_first_of(" \t\"'\\><~|&;$*?#()`") == std::string_view::npos) {
        std::string bare;
        for (char c : program) {
            if (c == '%') bare += '%';
            bare += c;
        }
        return bare;
    }
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        if (c == '%') quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return EscapeString(quoted);
}

std::optional<std::string> ShortcutEntry(const DesktopEntryPaths& paths) { return Entry(paths, false); }
std::optional<std::string> AssociationEntry(const DesktopEntryPaths& paths) { return Entry(paths, true); }

std::string MimePackage() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <mime-type type=\"" + std::string(kRmlMimeType) + "\">\n"
           "    <comment>Rivakel File</comment>\n"
           "    <glob pattern=\"*.rml\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::string XpmPicture(std::span<const uint32_t> pixels, int width, int height, uint32_t key) {
    const size_t count = static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0));
    if (pixels.size() < count) return {};
    std::map<uint32_t, size_t> codes;
    for (size_t i = 0; i < count; ++i) codes.emplace(pixels[i] & 0xFFFFFF, codes.size());
    // The colour table can only name so many colours; a larger picture is not an icon.
    if (codes.size() > kXpmSymbols.size() * kXpmSymbols.size()) return {};
    std::string text = "/* XPM */\nstatic const char *rivakel[] = {\n";
    text += "\"" + std::to_string(width) + " " + std::to_string(height) + " " + std::to_string(codes.size()) + " 2\",\n";
    for (const auto& [colour, index] : codes) {
        char value[16];
        std::snprintf(value, sizeof value, "#%06X", static_cast<unsigned>(colour));
        text += "\"" + XpmCode(index) + " c " + (colour == (key & 0xFFFFFF) ? std::string("None") : value) + "\",\n";
    }
    for (int y = 0; y < height; ++y) {
        text += '"';
        for (int x = 0; x < width; ++x) text += XpmCode(codes[pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF]);
        text += y + 1 < height ? "\",\n" : "\"\n";
    }
    text += "};\n";
    return text;
}
