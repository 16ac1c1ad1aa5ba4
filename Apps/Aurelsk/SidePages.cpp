#include "Apps/Aurelsk/SidePages.h"

#include "Apps/Aurelsk/AurelskApplet.h"
#include "Apps/Aurelsk/Credits.h"
#include "Apps/Aurelsk/TitleScreen.h"

namespace aurelsk {

const StaffScreenStyle& AurelskStaffStyle() {
    static const StaffScreenStyle style = [] {
        StaffScreenStyle s;
        s.fill = 0x646464;
        s.heading = kStaffHeading;
        s.names = kStaffNames;
        s.button = CAurelskApplet::ButtonStyle();
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

const HiddenPageStyle& AurelskHiddenPageStyle() {
    static const HiddenPageStyle style = [] {
        HiddenPageStyle s;
        s.fill = 0x999999;
        s.picture = "p-img-HiddenPage.gif";
        s.pictureX = 200;
        s.pictureY = 5;
        s.text = "StaffJoke.rml";
        s.textY = 135;
        s.button = CAurelskApplet::ButtonStyle();
        s.makeTitle = MakeTitleScreen;
        return s;
    }();
    return style;
}

}  // namespace aurelsk
