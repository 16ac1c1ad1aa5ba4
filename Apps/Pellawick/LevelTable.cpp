#include "Apps/Pellawick/LevelTable.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "Apps/Common/ResourceFile.h"

namespace pellawick {
namespace {

constexpr std::array<LevelValues, kLeagueCount> kBuiltIn = {{
    {3, 10000, 20.0f, 3.5f, 1, 10, 1500, 3000, 500, 3, 50, 0.0f},
    {4, 8000, 20.0f, 3.5f, 2, 10, 1000, 2000, 400, 3, 55, 0.0f},
    {5, 6000, 20.0f, 3.0f, 3, 1, 500, 1500, 400, 0, 0, 0.0f},
}};

// One block of twelve values in file order; false when the text ends before the last of them.
bool ReadBlock(CResourceFile& file, LevelValues& v) {
    int* const ints[] = {&v.maxHungryCustomers, &v.totalPatience};
    int* const middle[] = {&v.foodTypes,        &v.customersToServe, &v.minTimeBetweenCustomers,
                           &v.maxTimeBetweenCustomers, &v.deltaPatience, &v.deltaCustomers,
                           &v.deltaMinTime};
    bool complete = true;
    const auto readInt = [&](int* value) {
        complete = complete && !file.AtEnd();
        file.ReadInt(value);
    };
    const auto readReal = [&](float* value) {
        complete = complete && !file.AtEnd();
        file.ReadReal(value);
    };
    for (int* value : ints) readInt(value);
    readReal(&v.peakHeight);
    readReal(&v.throwSpeed);
    for (int* value : middle) readInt(value);
    readReal(&v.deltaThrowSpeed);
    return complete;
}

// A throw speed that the per-inning changes would take to 0 or below stops here: food still flies.
constexpr float kSlowestOnlyThrowSpeed = 0.1f;

}  // namespace

const LevelValues& BuiltInLevels(int league) {
    return kBuiltIn[static_cast<size_t>(std::clamp(league, 0, kLeagueCount - 1))];
}

bool IsPlayable(const LevelValues& v) {
    return v.totalPatience >= 1 && v.customersToServe >= 1 && v.foodTypes >= 1 && v.foodTypes <= kMaxFoodTypes &&
           v.throwSpeed > 0 && v.minTimeBetweenCustomers >= 0 &&
           v.minTimeBetweenCustomers <= v.maxTimeBetweenCustomers;
}

LevelValues ReadLevelTable(CResourceFile& file, int league) {
    league = std::clamp(league, 0, kLeagueCount - 1);
    if (!file.IsLoaded()) return BuiltInLevels(league);
    LevelValues values;
    bool complete = true;
    for (int block = 0; block <= league; ++block) complete = ReadBlock(file, values);
    return complete && IsPlayable(values) ? values : BuiltInLevels(league);
}

LevelValues LoadLevelTable(int league) {
    CResourceFile file(kLevelTableName);
    return ReadLevelTable(file, league);
}

LevelValues ForInning(const LevelValues& start, int inning) {
    LevelValues v = start;
    // Wide arithmetic: a table may hold any int, and nine innings of it must not wrap.
    const int64_t steps = std::max(inning - 1, 0);
    const auto shifted = [steps](int value, int64_t delta, int64_t lowest) {
        const int64_t result = static_cast<int64_t>(value) + steps * delta;
        return static_cast<int>(std::clamp<int64_t>(result, lowest, INT32_MAX));
    };
    v.totalPatience = shifted(start.totalPatience, -static_cast<int64_t>(start.deltaPatience), 1);
    v.customersToServe = shifted(start.customersToServe, start.deltaCustomers, 1);
    v.minTimeBetweenCustomers = shifted(start.minTimeBetweenCustomers, -static_cast<int64_t>(start.deltaMinTime), 0);
    v.throwSpeed = start.throwSpeed + static_cast<float>(steps) * start.deltaThrowSpeed;
    if (!(v.throwSpeed > 0)) v.throwSpeed = std::min(start.throwSpeed, kSlowestOnlyThrowSpeed);
    return v;
}

}  // namespace pellawick
