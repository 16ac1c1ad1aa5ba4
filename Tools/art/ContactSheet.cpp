#include "art/ContactSheet.h"

#include <algorithm>

namespace art {

namespace {

constexpr int kGap = 12;
constexpr int kMaxFramesShown = 8;
constexpr uint32_t kBackground = 0xE8E8E8;
constexpr uint32_t kInk = 0x333333;
const TextStyle kLabel{11, false};
const TextStyle kTitle{11, true};

struct Cell {
    const SheetItem* item;
    int x, y, width, height;
};

int ShownFrames(const SheetItem& item) { return std::min<int>(kMaxFramesShown, static_cast<int>(item.frames->size())); }

std::string SizeLine(const SheetItem& item) {
    const Canvas& first = item.frames->front();
    std::string text = std::to_string(first.Width()) + "x" + std::to_string(first.Height());
    if (item.frames->size() > 1) text += ", " + std::to_string(item.frames->size()) + " frames";
    return text;
}

}  // namespace

Canvas MakeContactSheet(const std::vector<SheetItem>& items, int maxWidth) {
    const int lineHeight = std::max(12, Canvas::TextHeight(kLabel));
    std::vector<Cell> cells;
    int x = kGap, y = kGap, rowHeight = 0, sheetWidth = 0;
    for (const SheetItem& item : items) {
        if (item.frames == nullptr || item.frames->empty()) continue;
        const Canvas& first = item.frames->front();
        const int picture = ShownFrames(item) * (first.Width() + 2) - 2;
        const int width = std::max({picture, Canvas::TextWidth(item.name, kTitle), Canvas::TextWidth(SizeLine(item), kLabel)});
        const int height = first.Height() + 4 + 2 * lineHeight;
        if (x > kGap && x + width + kGap > maxWidth) x = kGap, y += rowHeight + kGap, rowHeight = 0;
        cells.push_back({&item, x, y, width, height});
        x += width + kGap;
        rowHeight = std::max(rowHeight, height);
        sheetWidth = std::max(sheetWidth, x);
    }
    Canvas sheet(std::max(sheetWidth, 2 * kGap), y + rowHeight + kGap);
    sheet.Clear(kBackground);
    for (const Cell& cell : cells) {
        const auto& frames = *cell.item->frames;
        for (int f = 0; f < ShownFrames(*cell.item); ++f) {
            const Canvas& frame = frames[f];
            const int fx = cell.x + f * (frame.Width() + 2);
            for (int py = 0; py < frame.Height(); ++py)
                for (int px = 0; px < frame.Width(); ++px)
                    sheet.Set(fx + px, cell.y + py, ((px / 4 + py / 4) & 1) != 0 ? 0xC8C8C8 : 0xF8F8F8);
            sheet.Draw(frame, fx, cell.y);
        }
        const int textY = cell.y + frames.front().Height() + 4;
        sheet.Text(cell.x, textY, cell.item->name, kTitle, kInk);
        sheet.Text(cell.x, textY + lineHeight, SizeLine(*cell.item), kLabel, kInk);
    }
    return sheet;
}

}  // namespace art
