#include "Apps/Aurelsk/Credits.h"

#include <algorithm>

namespace aurelsk {

const std::array<std::string_view, 20> kStaffNames = {
    "Orla Finnegast", "Bram Kestrelow",  "Ines Tidewell",  "Marek Oakhollow", "Sunniva Pike",
    "Theo Marlowe",   "Kalinda Reeve",   "Ferris Gallant", "Yusra Brinley",   "Pavel Lindqvast",
    "Greer Ashcombe", "Tomasz Wendel",   "Liora Sandhurst", "Cormac Ridley",  "Anouk Velden",
    "Rafe Thistlewood", "Hedda Morrow",  "Emeric Dunstable", "Saskia Holt",     "Nilo Carrowan",
};

std::string_view HighScorePrompt(int row) {
    static constexpr std::array<std::string_view, 5> prompts = {
        "You\x92ve just emerged from the sea with %d points and gotten your feet wet.",
        "A fine haul! You surfaced with %d points and a hold that jingles.",
        "Splendid diving! %d points of sunken gold are now safely ashore.",
        "What a treasure hunter! %d points - the pirates are telling tales about you.",
        "Legendary! %d points: the whole ocean\x92s gold lies at your feet.",
    };
    return prompts[static_cast<size_t>(std::clamp(row, 1, 5) - 1)];
}

}  // namespace aurelsk
