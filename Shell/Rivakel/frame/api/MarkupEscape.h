// Plain text put into markup: a player's name, an e-mail address, a game's name. Markup reads '<'
// as the start of a tag and the shell's renderer refuses a lone '&', so those characters, and
// '>' with them, go in as the three entities below; the shell's renderer (IImage::DrawRML) and
// the games' drawer both draw an entity as its character, so the text shows as typed. '%' needs
// nothing: neither reads it, and such a text goes into a printf-style format only as an argument.
#pragma once

#include <string>
#include <string_view>

struct MarkupEntity {
    std::string_view spelling;
    char character;
};

inline constexpr MarkupEntity kMarkupEntities[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};

// The entity `text` starts with; null when it starts with none (a lone '&' is itself).
inline const MarkupEntity* MarkupEntityAt(std::string_view text) {
    for (const MarkupEntity& entity : kMarkupEntities)
        if (text.starts_with(entity.spelling)) return &entity;
    return nullptr;
}

// `plain` as markup that draws exactly `plain`.
inline std::string EscapeMarkup(std::string_view plain) {
    std::string markup;
    markup.reserve(plain.size());
    for (const char c : plain) {
        std::string_view spelling(&c, 1);
        for (const MarkupEntity& entity : kMarkupEntities)
            if (entity.character == c) spelling = entity.spelling;
        markup += spelling;
    }
    return markup;
}
