#include "frame/pages/FormDrawing.h"

#include <array>

#include "core/graphics/Image.h"
#include "core/graphics/RmlRenderer.h"
#include "core/resources/ResourceModule.h"

std::string ShellText(uint32_t id) {
    std::array<char, 1024> text{};
    if (const resources::ResourceModule* own = resources::ResourceModule::Own()) own->CopyString(id, text);
    return text.data();
}

void DrawRml(CImage& image, std::string_view rml, int x, int y, const platform::Rect* box) {
    const std::string text(rml);
    image.DrawRML(text.c_str(), x, y, box, 0, nullptr);
}

void FillArea(CImage& image, int left, int top, int right, int bottom, uint32_t rgb) {
    image.SetCurColor(rgb);
    image.FillRect(left, top, right, bottom);
}

void DrawSunkBox(CImage& image, int left, int top, int right, int bottom) {
    FillArea(image, left, top, right, bottom, 0xFFFFFF);
    image.SetCurColor(0x66, 0x33, 0x00);
    image.DrawLine(left, top, right, top);
    image.DrawLine(left, top, left, bottom);
    image.SetCurColor(0xCC, 0x99, 0x66);
    image.DrawLine(left + 1, bottom - 1, right, bottom - 1);
    image.DrawLine(right - 1, top + 1, right - 1, bottom);
}

int DrawTitleAndBody(CImage& image, uint32_t title, platform::Point titleAt, uint32_t body, platform::Point bodyAt,
                      const platform::Rect& box) {
    DrawRml(image, ShellText(title), titleAt.x, titleAt.y, &box);
    DrawRml(image, ShellText(body), bodyAt.x, bodyAt.y, &box);
    return static_cast<int>(body);
}
