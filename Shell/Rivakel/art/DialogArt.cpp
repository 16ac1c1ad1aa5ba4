// The shell's own dialogs draw this beside the text of a message box that warns.
#include "PortalLook.h"

namespace {

art::Picture DrawWarning() {
    art::Canvas c(32, 32);
    portal::DrawGlyph(c, portal::Glyph::Warning, 16, 16, 30, 0xFFCC00, portal::kBrown);
    return art::Still(std::move(c));
}

const art::ImageRecipe warning{"img-msgbox-warning-32x32.gif", 32, 32, 1, DrawWarning};

}  // namespace
