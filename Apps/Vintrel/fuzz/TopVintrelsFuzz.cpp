// The Top Vintrels table over stored values of any kind: names and scores of every length and
// content, a last name entered, what the player types and the game's score. The table draws and
// lets every font go; a score takes the first row it reaches, and the game then reads that row
// as a name of at most 12 letters with the score, and the rows from there on one lower.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/tests/FakeServices.h"
#include "Apps/Common/tests/FakeSettings.h"
#include "Apps/Common/tests/FuzzFields.h"
#include "Apps/Common/tests/MarkupTestDoubles.h"
#include "Apps/Vintrel/TopVintrels.h"

using namespace vintrel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> fields = FuzzFields(data, size, 14);
    FakeSettings settings;
    StoreFuzzedTable(settings, fields, 5, size);

    {
        markup_test::RecordingCanvas canvas(500);
        markup_test::FontFactory fonts;
        DrawTopVintrels(canvas, settings, fonts);
    }
    if (markup_test::LiveFonts() != 0) __builtin_trap();

    const HighScoreTable before = ReadHighScores(settings);
    FakeServices services;
    services.answers = {fields[11], fields[12], "Short"};
    const int score = ParseDecimal(fields[13]);
    int fanfares = 0;
    const bool entered = EnterHighScore(services, settings, score, [&] { ++fanfares; });
    if (fanfares != (entered ? 1 : 0)) __builtin_trap();
    const int row = RowReached(before, score);
    if (entered != (row != 0)) __builtin_trap();
    if (entered && !EnteredWhole(settings, before, row, score)) __builtin_trap();
    return 0;
}
