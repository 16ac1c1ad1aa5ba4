// The Support and About pages' pictures: the Support box's heading, the mascot beside the web
// help link, and the About page's two safety seals, plain badges of the portal's own that carry
// no one else's mark.
#include "PortalLook.h"

namespace {

using art::Canvas;
using art::Paint;
using art::Path;

// The mascot holding up a small globe: help on the web.
art::Picture WebHelper() {
    Canvas c(29, 30);
    portal::Mascot(c, 11, 17, 10.5f, 11.5f);
    const float gx = 23, gy = 8, gr = 5.5f;
    c.Fill(Path::Ellipse(gx, gy, gr, gr), Paint::Radial(gx - 2, gy - 2, gr * 1.6f, {{0, 0x99CCFF}, {1, 0x3366CC}}));
    c.Outline(Path::Ellipse(gx, gy, gr, gr), 1, portal::kIndigoDark);
    c.Line(gx - gr, gy, gx + gr, gy, 1, portal::kGreen);
    c.Outline(Path::Ellipse(gx, gy, 2.2f, gr), 1, portal::kGreen);
    c.Line(18, 14, 20, 11.5f, 2, 0x994400);
    return art::Still(std::move(c));
}

// The frame both seals share: a rounded badge of `colour` with a cream rim and a darker inner
// line, and two lines of caption to the right of its emblem.
void SealFrame(Canvas& c, uint32_t colour, std::string_view top, std::string_view bottom) {
    const float w = static_cast<float>(c.Width()), h = static_cast<float>(c.Height());
    c.Fill(Path::RoundRect(0, 0, w, h, 9), art::Shade(colour, -0.55f));
    c.Fill(Path::RoundRect(1, 1, w - 2, h - 2, 8), portal::kCream);
    c.Fill(Path::RoundRect(3, 3, w - 6, h - 6, 6),
           Paint::Linear(0, 3, 0, h - 3, {{0, art::Shade(colour, 0.25f)}, {1, art::Shade(colour, -0.2f)}}));
    c.Outline(Path::RoundRect(5.5f, 5.5f, w - 11, h - 11, 4), 1, art::Shade(colour, 0.45f));
    const art::TextStyle big = portal::FittingStyle(top, 13, 50);
    const art::TextStyle small = portal::FittingStyle(bottom, 10, 50);
    portal::Caption(c, 61, 21, top, big, portal::kWhite, art::Shade(colour, -0.6f));
    portal::Caption(c, 61, 35, bottom, small, portal::kCreamDeep, art::Shade(colour, -0.6f));
}

// Checked files: a shield with a tick.
art::Picture VirusSeal() {
    Canvas c(90, 55);
    SealFrame(c, portal::kGreen, "SCANNED", "VIRUS FREE");
    const Path shield = Path::Polygon({{10, 12}, {22, 8}, {34, 12}, {32, 32}, {22, 45}, {12, 32}});
    c.Fill(shield, portal::kWhite);
    c.Outline(shield, 1.5f, art::Shade(portal::kGreen, -0.5f));
    Path tick;
    tick.MoveTo(15, 26);
    tick.LineTo(20.5f, 32);
    tick.LineTo(29, 18);
    c.Outline(tick, 3, portal::kGreen);
    return art::Still(std::move(c));
}

// A safe connection: a gold padlock.
art::Picture CertificateSeal() {
    Canvas c(90, 55);
    SealFrame(c, portal::kIndigo, "SECURE", "SAFE SITE");
    c.Outline(Path::RoundRect(15, 9, 14, 18, 7), 3, 0xCCCCDD);
    c.Fill(Path::RoundRect(10, 21, 24, 20, 3), Paint::Linear(0, 21, 0, 41, {{0, 0xFFDD66}, {1, 0xCC9900}}));
    c.Outline(Path::RoundRect(10, 21, 24, 20, 3), 1, 0x664400);
    c.Fill(Path::Ellipse(22, 29, 2.5f, 2.5f), 0x664400);
    c.Fill(Path::Rect(21, 30, 2, 6), 0x664400);
    return art::Still(std::move(c));
}

const art::ImageRecipe needHelp{"txt-need_help-119x14.gif", 119, 14, 1,
                                [] { return portal::Lettering("NEED HELP?", 119, 14, portal::kCreamDeep, portal::kIndigo); }};
const art::ImageRecipe webHelper{"img-gotowebdude-29x30.gif", 29, 30, 1, WebHelper};
const art::ImageRecipe virusSeal{"img-seal-scanned.gif", 90, 55, 1, VirusSeal};
const art::ImageRecipe certificateSeal{"img-seal-secure.gif", 90, 55, 1, CertificateSeal};

}  // namespace
