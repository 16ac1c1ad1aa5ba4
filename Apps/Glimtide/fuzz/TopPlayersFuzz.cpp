// The best players' table over stored values of any kind: names and scores of every length and
// content, a last name entered, and what the player types. The table draws, the best compares,
// a new best is stored as a name of at most 12 letters and a number that reads back, and every
// font reference is let go.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/tests/FakeServices.h"
#include "Apps/Common/tests/FakeSettings.h"
#include "Apps/Common/tests/FuzzFields.h"
#include "Apps/Common/tests/MarkupTestDoubles.h"
#include "Apps/Glimtide/TopPlayers.h"

using namespace glimtide;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> fields = FuzzFields(data, size, 10);
    FakeSettings settings;
    StoreFuzzedTable(settings, fields, 3, size);

    WriteDefaultScores(settings);
    markup_test::RecordingCanvas canvas(500);
    markup_test::FontFactory fonts;
    DrawTopPlayers(&canvas, settings, fonts);
    if (markup_test::LiveFonts() != 0) __builtin_trap();

    const Level level = static_cast<Level>(size % 3);
    const int count = ParseDecimal(fields[9]);
    if (IsNewBest(count, StoredBest(settings, level))) {
        FakeServices services;
        services.answers = {fields[7], fields[8], "Short"};
        EnterBest(services, settings, level, count);
        const std::string row = "Score" + std::to_string(static_cast<int>(level) + 1);
        if (settings.values[row + "Name"].size() > kHighScoreNameMax) __builtin_trap();
        if (ParseDecimal(settings.values[row + "Score"]) != count) __builtin_trap();
    }
    return 0;
}
