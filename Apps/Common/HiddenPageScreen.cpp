#include "Apps/Common/HiddenPageScreen.h"

#include "Apps/Common/PictureFile.h"
#include "Apps/Common/ResourceText.h"
#include "frame/api/IImage.h"
#include "frame/api/ITimer.h"

CHiddenPageScreen::CHiddenPageScreen(CApplet& owner, const HiddenPageStyle& style)
    : CSideScreen(owner, style.fill, style.button, style.makeTitle) {
    if (IImage* canvas = Canvas()) {
        if (style.picture != nullptr) {
            const ShellRef<IImage> picture(LoadPicture(style.picture));
            if (picture) canvas->DrawAt(picture.Get(), style.pictureX, style.pictureY);
        }
        if (style.text != nullptr) DrawResourceText(*canvas, style.text, kHiddenPageTextMax, 0, style.textY);
    }
    Finish();
}
