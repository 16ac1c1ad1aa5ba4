#include "Apps/Grumbolt/StaffList.h"

#include <array>
#include <string_view>

#include "Apps/Grumbolt/GrumboltApplet.h"
#include "Apps/Grumbolt/TitleScreen.h"

namespace grumbolt {
namespace {

constexpr std::string_view kHeading = "No time for a real staff screen: we were busy hopping!";

constexpr std::array<std::string_view, 18> kNames = {
    "Otto Reedwhistle", "Marla Pondsby",   "Felix Lillimore", "Greta Mossfield", "Hugo Tadwell",
    "Ines Brackenridge", "Jonah Puddleton", "Kit Willowmere",  "Lena Croakley",   "Milo Fenwick",
    "Nora Bulrush",     "Pip Marshallow",  "Quinn Dappleby",  "Rosa Cattail",    "Sami Bogsworth",
    "Tilda Ripplegate", "Umar Greenhollow", "Vera Springpad",
};

}  // namespace

const StaffScreenStyle& GrumboltStaffStyle() {
    static const StaffScreenStyle style = [] {
        StaffScreenStyle s;
        s.fill = 0x3366CC;
        s.heading = kHeading;
        s.names = kNames;
        s.button = CGrumboltApplet::ButtonStyle(ButtonColour::Panel);
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

}  // namespace grumbolt
