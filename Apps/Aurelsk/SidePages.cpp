#include "Apps/Aurelsk/SidePages.h"

#include "Apps/Aurelsk/AurelskApplet.h"
#include "Apps/Aurelsk/Credits.h"
#include "Apps/Aurelsk/TitleScreen.h"

namespace aurelsk {

const StaffScreenStyle& AurelskStaffStyle() {
    static const StaffScreenStyle style{.fill = 0x646464,
                                        .heading = kStaffHeading,
                                        .names = kStaffNames,
                                        .button = CAurelskApplet::ButtonStyle(),
                                        .makeTitle = MakeTitleScreen};
    return style;
}

const HiddenPageStyle& AurelskHiddenPageStyle() {
    static const HiddenPageStyle style{.fill = 0x999999,
                                       .picture = "p-img-HiddenPage.gif",
                                       .pictureX = 200,
                                       .pictureY = 5,
                                       .text = "StaffJoke.rml",
                                       .textY = 135,
                                       .button = CAurelskApplet::ButtonStyle(),
                                       .makeTitle = MakeTitleScreen};
    return style;
}

}  // namespace aurelsk
