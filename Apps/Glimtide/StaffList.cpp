#include "Apps/Glimtide/StaffList.h"

#include <array>
#include <string_view>

#include "Apps/Glimtide/GlimtideApplet.h"
#include "Apps/Glimtide/TitleScreen.h"

namespace glimtide {
namespace {

constexpr std::string_view kHeading = "The Glimtide Launch Crew (no eyebrows were harmed)";

constexpr std::array<std::string_view, 21> kNames = {
    "Wick Ember",      "Ada Brightwater", "Tobin Sparrowe",  "Mira Lantern",   "Olek Fennimore",
    "Priya Starling",  "Jules Marrow",    "Nessa Quillon",   "Dario Pemberly", "Hattie Glow",
    "Ruben Ashgrove",  "Lotte Farrow",    "Cass Merriday",   "Ivo Tindale",    "Wren Kettleby",
    "Soren Blythe",    "Maud Pellinger",  "Teodor Vance",    "Elsie Rookwood", "Nico Halloway",
    "Bea Candlewright",
};

}  // namespace

const StaffScreenStyle& GlimtideStaffStyle() {
    static const StaffScreenStyle style = [] {
        StaffScreenStyle s;
        s.fill = 0x808080;
        s.heading = kHeading;
        s.names = kNames;
        s.button = CGlimtideApplet::ButtonStyle(18);
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

const HiddenPageStyle& GlimtideHiddenPageStyle() {
    static const HiddenPageStyle style = [] {
        HiddenPageStyle s;
        s.fill = 0x808080;
        s.picture = "StaffPlaque.gif";
        s.pictureX = 210;
        s.pictureY = 10;
        s.text = "StaffJoke.rml";
        s.textY = 105;
        s.button = CGlimtideApplet::ButtonStyle(18);
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

}  // namespace glimtide
