#include "Apps/Slorrow/StaffList.h"

#include <array>
#include <string_view>

#include "Apps/Slorrow/TitleScreen.h"

namespace slorrow {
namespace {

constexpr std::string_view kHeading = "No time for a real staff screen: we were out campaigning.";

constexpr std::array<std::string_view, 12> kNames = {
    "Marla Clodbury", "Penn Wetherall", "Oswin Puddlecott", "Tilda Marsh",  "Bertram Sloan", "Ivy Fenwick",
    "Rolf Bogart",    "Cora Mudgett",   "Dex Hollowell",    "Nell Sedgley", "Amos Turfitt",  "Gwen Claypole",
};

}  // namespace

const StaffScreenStyle& SlorrowStaffStyle() {
    static const StaffScreenStyle style = [] {
        StaffScreenStyle s;
        s.fill = 0xCC9966;
        s.heading = kHeading;
        s.names = kNames;
        s.button.fill = s.fill;
        s.button.keyed = true;
        s.button.closeTags = true;
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

}  // namespace slorrow
