// The table of best divers over stored values of any kind: names and scores of every length and
// content, a last name entered, what the player types and the game's score. The table draws and
// lets every font go; a score that takes a row is stored there as a name of at most 12 letters
// and a number that reads back, and the row that was there moves down one.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/tests/FakeServices.h"
#include "Apps/Common/tests/FakeSettings.h"
#include "Apps/Common/tests/FuzzFields.h"
#include "Apps/Common/tests/MarkupTestDoubles.h"
#include "Apps/Aurelsk/TopDivers.h"

using namespace aurelsk;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> fields = FuzzFields(data, size, 14);
    FakeSettings settings;
    StoreFuzzedTable(settings, fields, 5, size);

    WriteDefaultDivers(settings);
    {
        markup_test::RecordingCanvas canvas(500);
        markup_test::FontFactory fonts;
        DrawTopDivers(canvas, settings, fonts);
    }
    if (markup_test::LiveFonts() != 0) __builtin_trap();

    const std::map<std::string, std::string> before = settings.values;
    FakeServices services;
    services.answers = {fields[11], fields[12], "Short"};
    const int score = ParseDecimal(fields[13]);
    const int row = EnterHighScore(services, settings, score);
    if (row == 0) return 0;
    const std::string key = "Score" + std::to_string(row);
    if (settings.values[key + "Name"].size() > kHighScoreNameMax) __builtin_trap();
    if (ParseDecimal(settings.values[key + "Score"]) != score) __builtin_trap();
    if (row < 5) {
        const std::string next = "Score" + std::to_string(row + 1) + "Name";
        const auto old = before.find(key + "Name");
        if (old != before.end() && settings.values[next] != old->second.substr(0, settings.values[next].size()))
            __builtin_trap();
    }
    return 0;
}
