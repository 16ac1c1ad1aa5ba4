// The markup drawer (either edition) over arbitrary text, on a canvas that records what it is asked: every run
// it draws lies inside the text it was given, and every font reference it makes is let go.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Apps/Common/MarkupText.h"
#include "Apps/Common/tests/MarkupTestDoubles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    markup_test::RecordingCanvas canvas(size % 2 == 0 ? 500 : 1);
    markup_test::FontFactory fonts;
    DrawMarkupText(&canvas, text, 3, 5, fonts, size % 3 == 0 ? MarkupEdition::Old : MarkupEdition::Current);
    size_t drawn = 0;
    for (const auto& run : canvas.runs) drawn += run.text.size();
    if (drawn > size) __builtin_trap();
    if (markup_test::LiveFonts() != 0) __builtin_trap();
    return 0;
}
