// Words read as words at every size and weight the program draws text in: on each line of the
// portal's and the games' own texts, as drawn, every gap at a blank is wider than every gap
// between two characters of a word, and the ink stays inside the width the text measures.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/text/TextDrawer.h"
#include "platform/Cp1252.h"
#include "platform/TextLayout.h"
#include "platform/fonts/Fonts.h"

namespace {

// Strings of the portal's text manifests; the help pages and the sources of staff names keep
// their texts quoted.
struct ManifestStrings {
    const char* path;
    std::vector<std::string> ids;
};
const ManifestStrings kManifests[] = {
    {"Shell/Rivakel/frame/pages/info/Texts.manifest", {"1001", "1003", "1004", "160", "360"}},
    {"Shell/Rivakel/frame/pages/Texts.manifest", {"2001", "2003", "2205", "20003", "20004", "20005", "20006", "20007"}},
};
constexpr const char* kQuotedSources[] = {
    "Games/Dunmoro/Help.rml",  "Apps/Glimtide/Help.rml",       "Apps/Pellawick/Help.rml",
    "Apps/Torvimble/Help.rml", "Apps/Torvimble/Help_21.rml",   "Apps/Brisquet2/Help.rml",
    "Apps/Pennimar/Help.rml",  "Apps/Aurelsk/Help.rml",        "Apps/Tallimo/TallimoHelp.cpp",
    "Apps/Brisquet/BrisquetTexts.h", "Apps/Slorrow/Help.rml",  "Apps/Grumbolt/Help.rml",
    "Apps/Vintrel/Help.rml",   "Apps/Vintrel/StaffScreen.cpp", "Apps/Torvimble/StaffSpelling.cpp",
};

// The lines of marked-up text as its page breaks them, without the markup.
void AddLines(std::string_view markup, std::vector<std::string>& lines) {
    std::string line;
    auto flush = [&] {
        if (line.find_first_not_of(' ') != std::string::npos) {
            lines.push_back(line.substr(line.find_first_not_of(' '), line.find_last_not_of(' ') + 1));
        }
        line.clear();
    };
    for (size_t i = 0; i < markup.size(); ++i) {
        if (markup[i] == '<') {
            const size_t close = std::min(markup.find('>', i), markup.size());
            std::string tag(markup.substr(i + 1, close - i - 1));
            for (char& c : tag) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (tag == "br" || tag == "p") flush();
            i = close;
        } else if (markup[i] == '\n' || markup[i] == '\r') {
            flush();
        } else {
            line += markup[i];
        }
    }
    flush();
}

std::vector<std::string> ReadRows(const std::string& path) {
    std::ifstream file(std::string(RIVAKEL_SOURCE_DIR) + "/" + path, std::ios::binary);
    EXPECT_TRUE(file) << path;
    std::vector<std::string> rows;
    for (std::string row; std::getline(file, row);) rows.push_back(row);
    return rows;
}

std::vector<std::string> RealTexts() {
    std::vector<std::string> lines = {"Installed", "Not Installed", "Pause"};  // drawn by code
    for (const ManifestStrings& manifest : kManifests) {
        for (const std::string& row : ReadRows(manifest.path)) {
            for (const std::string& id : manifest.ids) {
                if (row.starts_with("string " + id + " ")) AddLines(std::string_view(row).substr(8 + id.size()), lines);
            }
        }
    }
    for (const char* path : kQuotedSources) {
        // A help page is one quoted piece over many rows.
        std::string quoted;
        bool open = false;
        for (const std::string& row : ReadRows(path)) {
            for (size_t i = 0; i < row.size(); ++i) {
                if (row[i] == '"') {
                    if (open) AddLines(quoted, lines);
                    open = !open;
                    quoted.clear();
                } else if (open) {
                    quoted += row[i] == '\\' && i + 1 < row.size() ? row[++i] : row[i];
                }
            }
            if (open) quoted += '\n';
        }
    }
    return lines;
}

// The columns a character's ink covers; empty (left > right) for a blank.
struct InkSpan {
    int left = INT_MAX, right = INT_MIN;
};

// The narrowest gap at a blank less the widest gap between two characters of a word, counted in
// blank columns between all the ink before and all the ink after; INT_MAX without both kinds.
int SpacingMargin(std::string_view line, const std::vector<InkSpan>& ink) {
    std::vector<int> rightBefore(line.size() + 1, INT_MIN), leftFrom(line.size() + 1, INT_MAX);
    for (size_t i = 0; i < line.size(); ++i) rightBefore[i + 1] = std::max(rightBefore[i], ink[i].right);
    for (size_t i = line.size(); i-- > 0;) leftFrom[i] = std::min(leftFrom[i + 1], ink[i].left);
    int atBlank = INT_MAX, inWord = INT_MIN;
    for (size_t k = 1; k < line.size(); ++k) {
        const size_t next = line.find_first_not_of(' ', k);
        if (line[k - 1] == ' ' || next == std::string_view::npos) continue;
        const int gap = leftFrom[next] - rightBefore[k] - 1;
        if (next == k) {
            inWord = std::max(inWord, gap);
        } else {
            atBlank = std::min(atBlank, gap);
        }
    }
    return atBlank == INT_MAX || inWord == INT_MIN ? INT_MAX : atBlank - inWord;
}

// The line drawn as the program draws it; each character's ink is read back from the columns of
// its glyph's box, and the span of all the ink comes last.
std::vector<InkSpan> DrawnInk(platform::Font& font, std::string_view line) {
    const int margin = 32, width = TextExtent(font, line) + 2 * margin, height = font.Metrics().height;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0xFFFFFF);
    DrawText({pixels.data(), width, height, width}, {0, 0, width, height}, {margin, 0}, line, font,
             {0, {}, false, false});
    std::vector<char> inked(width, 0);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) inked[x] |= row[x] == 0 ? 1 : 0;
    }
    std::vector<int> origins;
    platform::LayOutRun(font, line, origins);
    std::vector<InkSpan> ink(line.size() + 1);
    for (size_t i = 0; i <= line.size(); ++i) {
        const platform::Glyph* glyph = i < line.size() ? &font.GetGlyph(static_cast<uint8_t>(line[i])) : nullptr;
        const int left = glyph ? margin + origins[i] + glyph->left : 0, right = glyph ? left + glyph->width : width;
        for (int x = left; x < right; ++x) {
            if (!inked[x]) continue;
            ink[i].left = std::min(ink[i].left, x - margin);
            ink[i].right = std::max(ink[i].right, x - margin);
        }
    }
    return ink;
}

// The line set by FreeType's own layout: glyphs hinted for mono one by one, the pen moved by the
// hinted advances and corrected by the hinter's side deltas.
std::vector<InkSpan> ReferenceInk(FT_Face face, std::string_view line) {
    std::vector<InkSpan> ink(line.size());
    FT_Pos pen = 0, previousRsbDelta = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (FT_Load_Char(face, platform::Cp1252ToUnicode(static_cast<uint8_t>(line[i])),
                         FT_LOAD_TARGET_MONO | FT_LOAD_RENDER | FT_LOAD_MONOCHROME) != 0) {
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        if (previousRsbDelta - slot->lsb_delta > 32) pen -= 64;
        if (previousRsbDelta - slot->lsb_delta < -31) pen += 64;
        previousRsbDelta = slot->rsb_delta;
        for (unsigned y = 0; y < slot->bitmap.rows; ++y) {
            for (unsigned x = 0; x < slot->bitmap.width; ++x) {
                if (((slot->bitmap.buffer[y * slot->bitmap.pitch + x / 8] >> (7 - x % 8)) & 1) == 0) continue;
                const int column = static_cast<int>((pen + 32) >> 6) + slot->bitmap_left + static_cast<int>(x);
                ink[i] = {std::min(ink[i].left, column), std::max(ink[i].right, column)};
            }
        }
        pen += slot->advance.x;
    }
    return ink;
}

TEST(TextSpacing, BlanksOutwidenEveryGapInsideAWordOnEveryRealLineAtEverySizeAndWeight) {
    platform::FontRequest request{"Arial", -12};
    if (!platform::OpenSystemFont(request)) GTEST_SKIP() << "no installed font";
    const std::vector<std::string> lines = RealTexts();
    ASSERT_GT(lines.size(), 250u);

    // At 8 pixels bold the stems can leave no room; there the bar is the same face set by FreeType.
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("Arial:bold"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcChar8* file = nullptr;
    ASSERT_TRUE(match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch);
    FT_Library library = nullptr;
    FT_Face reference = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Face(library, reinterpret_cast<const char*>(file), 0, &reference), 0);
    ASSERT_EQ(FT_Set_Pixel_Sizes(reference, 0, 8), 0);

    for (int weight : {400, 700}) {
        for (int size = 8; size <= 24; ++size) {
            request.height = -size;
            request.weight = weight;
            auto font = platform::OpenSystemFont(request);
            ASSERT_TRUE(font);
            for (const std::string& line : lines) {
                std::vector<InkSpan> ink = DrawnInk(*font, line);
                const InkSpan all = ink.back();
                ink.pop_back();
                const std::string where = std::to_string(size) + " px, weight " + std::to_string(weight) + ": " + line;
                const int bar =
                    size == 8 && weight == 700 ? std::min(1, SpacingMargin(line, ReferenceInk(reference, line))) : 1;
                EXPECT_GE(SpacingMargin(line, ink), bar) << where;
                EXPECT_TRUE(all.left > all.right || (all.left >= 0 && all.right < TextExtent(*font, line)))
                    << "ink at " << all.left << ".." << all.right << ", " << where;
            }
        }
    }
    FT_Done_Face(reference);
    FT_Done_FreeType(library);
    FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
}

}  // namespace
