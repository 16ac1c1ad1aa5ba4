// Installed fonts: fontconfig chooses the file, FreeType draws it in mono with the metrics a
// Windows program expects, so layouts made for Arial keep their sizes with Liberation Sans.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>

#include "platform/Cp1252.h"
#include "platform/Host.h"
#include "platform/fonts/FontOwners.h"
#include "platform/fonts/Fonts.h"
#include "platform/fonts/GlyphFit.h"

namespace platform {
namespace {

using fonts::FcConfigOwner;
using fonts::FcPatternOwner;
using fonts::FtFaceOwner;
using fonts::FtLibraryOwner;

// Every open font shares the library, so fonts kept in statics may outlive this function's own
// static at exit. Fonts are opened on the main thread only.
std::shared_ptr<FT_LibraryRec_> Library() {
    static std::shared_ptr<FT_LibraryRec_> library = []() -> std::shared_ptr<FT_LibraryRec_> {
        FT_Library raw = nullptr;
        if (FT_Init_FreeType(&raw) != 0) {
            DebugOutput("FreeType could not start\n");
            return nullptr;
        }
        return FtLibraryOwner(raw);
    }();
    return library;
}

FcConfig* Config() {
    static FcConfigOwner config(FcInitLoadConfigAndFonts());
    return config.get();
}

struct FaceFile {
    std::string path;
    int index = 0;
    bool embolden = false;
};

std::optional<FaceFile> MatchFace(const FontRequest& request) {
    FcConfig* config = Config();
    if (config == nullptr) return std::nullopt;
    FcPatternOwner pattern(FcPatternCreate());
    if (!pattern) return std::nullopt;
    const std::string family = Cp1252ToUtf8(request.face);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, request.weight >= 700 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) return std::nullopt;
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FcPatternOwner match(FcFontMatch(config, pattern.get(), &result));
    if (!match) return std::nullopt;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) return std::nullopt;
    FaceFile face;
    face.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &face.index);
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch) face.embolden = embolden;
    return face;
}

// The glyph's ink as designed, in font units from the pen.
struct DesignInk {
    FT_Pos left = 0, right = 0, advance = 0;
    // Most letters and every digit; not 'j' or an italic's overhang.
    bool InsideAdvance() const { return right > left && left >= 0 && right <= advance; }
};

std::optional<DesignInk> DesignInkOf(FT_Face face, FT_UInt index) {
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) != 0) return std::nullopt;
    const FT_Glyph_Metrics& m = face->glyph->metrics;
    return DesignInk{m.horiBearingX, m.horiBearingX + m.width, m.horiAdvance};
}

int Scaled(double units, double scale) { return static_cast<int>(std::lround(units * scale)); }

// Windows reports the average width of the older OS/2 tables: the advances of the lower-case
// letters and the blank weighted by their frequency in English text. Newer tables average every
// glyph instead, which would make metric-compatible faces look wider than the face they stand for.
double AverageCharWidthUnits(FT_Face face, const TT_OS2* os2) {
    if (os2 != nullptr && os2->version != 0xFFFF && os2->version < 3 && os2->xAvgCharWidth > 0) {
        return os2->xAvgCharWidth;
    }
    static constexpr std::array<int, 27> kWeights = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56,
                                                     56, 17, 4,  49, 56, 71,  31, 10, 18, 3,  18, 2, 166};
    double sum = 0;
    for (size_t i = 0; i < kWeights.size(); ++i) {
        const FT_ULong ch = i < 26 ? static_cast<FT_ULong>('a' + i) : ' ';
        const FT_UInt index = FT_Get_Char_Index(face, ch);
        if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE) != 0) {
            return os2 != nullptr && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : face->max_advance_width / 2.0;
        }
        sum += static_cast<double>(face->glyph->advance.x) * kWeights[i];
    }
    return sum / 1000.0;
}

class SystemFont final : public Font {
public:
    SystemFont(std::shared_ptr<FT_LibraryRec_> library, FtFaceOwner face, bool embolden, bool slant)
        : library_(std::move(library)), face_(std::move(face)), embolden_(embolden), slant_(slant) {
        if (slant) {
            // Oblique for faces without an italic: x += y / 5.
            FT_Matrix shear{0x10000, 0x10000 / 5, 0, 0x10000};
            FT_Set_Transform(face_.get(), &shear, nullptr);
        }
    }

    bool SetSize(int requestedHeight) {
        FT_Face face = face_.get();
        const double unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
        const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
        double winAscent = face->ascender;
        double winDescent = -face->descender;
        if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
            winAscent = os2->usWinAscent;
            winDescent = os2->usWinDescent;
        }
        if (winAscent + winDescent <= 0) return false;

        // Negative asks for the em size, positive for the whole cell, 0 for a default size.
        int pixelsPerEm = 0;
        if (requestedHeight < 0) {
            pixelsPerEm = -std::max(requestedHeight, -4096);
        } else {
            const int cell = requestedHeight == 0 ? 16 : std::min(requestedHeight, 4096);
            pixelsPerEm = std::max(1, Scaled(cell * unitsPerEm, 1.0 / (winAscent + winDescent)));
        }
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelsPerEm)) != 0) return false;
        pixelsPerEm_ = pixelsPerEm;

        const double scale = pixelsPerEm / unitsPerEm;
        metrics_.ascent = Scaled(winAscent, scale);
        metrics_.descent = Scaled(winDescent, scale);
        if (requestedHeight > 0) metrics_.descent = std::max(0, std::min(requestedHeight, 4096) - metrics_.ascent);
        metrics_.height = metrics_.ascent + metrics_.descent;
        metrics_.internalLeading = std::max(0, metrics_.height - pixelsPerEm);
        if (hhea != nullptr) {
            const double hheaSpan = hhea->Ascender - hhea->Descender;
            const double gap = hhea->Line_Gap - ((winAscent + winDescent) - hheaSpan);
            metrics_.externalLeading = std::max(0, Scaled(gap, scale));
        }
        const double average = AverageCharWidthUnits(face, os2);
        metrics_.averageCharWidth = std::max(1, Scaled(average, scale));
        metrics_.maxCharWidth = std::max(metrics_.averageCharWidth, Scaled(face->max_advance_width, scale));

        metrics_.underlineThickness = std::max(1, Scaled(face->underline_thickness, scale));
        // FreeType gives the centre of the stroke; the drawer wants its top row below the baseline.
        const int underlineTop = Scaled(-face->underline_position, scale) - metrics_.underlineThickness / 2;
        metrics_.underlinePosition =
            std::clamp(underlineTop, 0, std::max(0, metrics_.descent - metrics_.underlineThickness));
        double strike = winAscent * 0.3;
        if (os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutPosition > 0) strike = os2->yStrikeoutPosition;
        metrics_.strikeOutPosition = std::clamp(Scaled(strike, scale), 1, std::max(1, metrics_.ascent));
        return true;
    }

    const FontMetrics& Metrics() const override { return metrics_; }

    const Glyph& GetGlyph(uint8_t ch) override {
        std::optional<Glyph>& slot = glyphs_[ch];
        if (!slot) slot = Render(ch);
        return *slot;
    }

private:
    Glyph Render(uint8_t ch) {
        FT_Face face = face_.get();
        const FT_UInt index = FT_Get_Char_Index(face, Cp1252ToUnicode(ch));
        const std::optional<DesignInk> design = slant_ ? std::nullopt : DesignInkOf(face, index);
        std::optional<Glyph> glyph = RenderAt(index, pixelsPerEm_);
        if (!glyph) return {};
        const double unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
        const double toSixtyFourths = pixelsPerEm_ * 64.0 / unitsPerEm;
        // Slanting and emboldening move the ink away from the design; there the hinted bitmap
        // stands for it.
        if (design && !embolden_ && design->right > design->left) {
            glyph->designLeft = Scaled(static_cast<double>(design->left), toSixtyFourths);
            glyph->designRight = Scaled(static_cast<double>(design->right), toSixtyFourths);
        } else if (glyph->width > 0) {
            glyph->designLeft = glyph->left * 64;
            glyph->designRight = (glyph->left + glyph->width) * 64;
        }
        // A glyph the design keeps inside its advance stays inside it, with one blank column
        // before the next glyph where the design leaves one at this size, and always between
        // digits, which stand in equal cells and read as a blot when they touch. One that
        // hinting made wider is hinted again a little narrower (its stems stay whole), and what
        // still does not fit gives up flat columns.
        if (design && design->InsideAdvance()) {
            const bool spaced = std::isdigit(ch) != 0 ||
                                Scaled(static_cast<double>(design->right - design->left), pixelsPerEm_ / unitsPerEm) <
                                    glyph->advance;
            const int room = std::max(1, spaced ? glyph->advance - 1 : glyph->advance);
            for (int narrower = pixelsPerEm_ - 1; glyph->width > room && narrower * 4 >= pixelsPerEm_ * 3; --narrower) {
                std::optional<Glyph> again = RenderAt(index, narrower);
                if (!again) break;
                again->advance = glyph->advance;
                again->designAdvance = glyph->designAdvance;
                again->designLeft = glyph->designLeft;
                again->designRight = glyph->designRight;
                glyph = std::move(again);
            }
            FitGlyphInto(*glyph, room);
        }
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelsPerEm_)) != 0) return {};
        return std::move(*glyph);
    }

    // The glyph hinted and drawn `width` pixels per em wide and the font's size high.
    std::optional<Glyph> RenderAt(FT_UInt index, int width) {
        FT_Face face = face_.get();
        if (FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(width), static_cast<FT_UInt>(pixelsPerEm_)) != 0)
            return std::nullopt;
        // The auto-hinter snaps every stem to whole pixels, so a bold face keeps even two-pixel
        // stems at small sizes; the face's own instructions leave some one pixel wide in mono.
        if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO | FT_LOAD_FORCE_AUTOHINT) != 0) return std::nullopt;
        FT_GlyphSlot slot = face->glyph;
        Glyph glyph;
        // The design advance, rounded: hinting can move an advance by several pixels, and
        // layouts made for Arial rely on its design widths.
        glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
        glyph.designAdvance = static_cast<int>((slot->linearHoriAdvance + 0x200) >> 10);
        if (embolden_) {
            const FT_Pos before = slot->advance.x;
            FT_GlyphSlot_Embolden(slot);
            glyph.advance += static_cast<int>((slot->advance.x - before + 32) >> 6);
            glyph.designAdvance += static_cast<int>(slot->advance.x - before);
        }
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.height = static_cast<int>(bitmap.rows);
        glyph.bits.assign(static_cast<size_t>(glyph.width) * static_cast<size_t>(glyph.height), 0);
        for (int y = 0; y < glyph.height; ++y) {
            const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
            for (int x = 0; x < glyph.width; ++x) {
                glyph.bits[static_cast<size_t>(y) * glyph.width + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
            }
        }
        TrimToInk(glyph);
        return glyph;
    }

    std::shared_ptr<FT_LibraryRec_> library_;  // declared first: the face must go before the library
    FtFaceOwner face_;
    bool embolden_ = false;
    bool slant_ = false;
    int pixelsPerEm_ = 0;
    FontMetrics metrics_;
    std::array<std::optional<Glyph>, 256> glyphs_;
};

}  // namespace

std::unique_ptr<Font> OpenSystemFont(const FontRequest& request) {
    std::shared_ptr<FT_LibraryRec_> library = Library();
    if (library == nullptr) return nullptr;
    const std::optional<FaceFile> file = MatchFace(request);
    if (!file) return nullptr;
    FT_Face raw = nullptr;
    if (FT_New_Face(library.get(), file->path.c_str(), file->index, &raw) != 0) return nullptr;
    FtFaceOwner face(raw);
    const bool slant = request.italic && (face->style_flags & FT_STYLE_FLAG_ITALIC) == 0;
    const bool embolden = file->embolden || (request.weight >= 700 && (face->style_flags & FT_STYLE_FLAG_BOLD) == 0);
    auto font = std::make_unique<SystemFont>(std::move(library), std::move(face), embolden, slant);
    if (!font->SetSize(request.height)) return nullptr;
    return font;
}

}  // namespace platform
