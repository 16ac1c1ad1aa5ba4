#include "Apps/Common/StaffScreen.h"

#include <string>

#include "Apps/Common/MarkupText.h"

namespace {

constexpr int kFirstNameY = 30;
constexpr int kNameStep = 18;

void DrawCentredLine(IImage* canvas, std::string_view text, int y) {
    const std::string line = "<S3><c><b><c000000>" + std::string(text) + "</b></c>";
    DrawMarkupText(canvas, line.c_str(), 0, y);
}

}  // namespace

CStaffScreen::CStaffScreen(CApplet& owner, const StaffScreenStyle& style)
    : CSideScreen(owner, style.fill, style.button, style.makeTitle) {
    if (IImage* canvas = Canvas()) {
        DrawCentredLine(canvas, style.heading, 10);
        int y = kFirstNameY;
        for (std::string_view name : style.names) {
            DrawCentredLine(canvas, name, y);
            y += kNameStep;
        }
    }
    Finish();
}
