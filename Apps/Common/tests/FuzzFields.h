// Fuzz inputs for the games' stored tables: the input cut at NUL bytes into a fixed number of
// fields, the fields stored as a damaged profile would hold a table, and what the game reads back
// once a score was entered.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Apps/Common/HighScoreNameEntry.h"
#include "Apps/Common/HighScores.h"
#include "Apps/Common/tests/FakeSettings.h"

// `count` fields; the last keeps every byte after the count-1'th NUL, missing ones are empty.
inline std::vector<std::string> FuzzFields(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && fields.size() < count) fields.emplace_back();
        else fields.back() += static_cast<char>(data[i]);
    }
    fields.resize(count);
    return fields;
}

// Rows 1 to `rows` ("Score<n>Name", "Score<n>Score") from the first 2 x rows fields and
// "LastNameEntered" from the next. An empty field is stored only when `size` is a multiple of
// 3, so both an absent and an empty value are tried.
inline void StoreFuzzedTable(FakeSettings& settings, const std::vector<std::string>& fields, int rows, size_t size) {
    const auto store = [&](const std::string& key, const std::string& value) {
        if (!value.empty() || size % 3 == 0) settings.values[key] = value;
    };
    for (int row = 1; row <= rows; ++row) {
        store("Score" + std::to_string(row) + "Name", fields[static_cast<size_t>(2 * row - 2)]);
        store("Score" + std::to_string(row) + "Score", fields[static_cast<size_t>(2 * row - 1)]);
    }
    store("LastNameEntered", fields[static_cast<size_t>(2 * rows)]);
}

// The first row (1 to 5) whose score `score` reaches in `table`, or 0.
inline int RowReached(const HighScoreTable& table, int score) {
    for (int row = 1; row <= kHighScoreRows; ++row)
        if (score >= table[static_cast<size_t>(row - 1)].score) return row;
    return 0;
}

// After `score` took `row` of the table the game read before (`before`): the game now reads the
// rows above unchanged, the row as a name of at most 12 letters with the score, and the old rows
// from there on one lower; every row that changed is stored whole, its score as plain decimal.
inline bool EnteredWhole(FakeSettings& settings, const HighScoreTable& before, int row, int score) {
    const HighScoreTable after = ReadHighScores(settings);
    const size_t at = static_cast<size_t>(row - 1);
    if (after[at].score != score || after[at].name.size() > kHighScoreNameMax) return false;
    for (size_t i = 0; i < after.size(); ++i) {
        if (i < at && !(after[i] == before[i])) return false;
        if (i > at && !(after[i] == before[i - 1])) return false;
        if (after[i] == before[i]) continue;
        const std::string key = "Score" + std::to_string(i + 1);
        if (settings.values[key + "Name"] != after[i].name) return false;
        if (settings.values[key + "Score"] != std::to_string(after[i].score)) return false;
    }
    return true;
}
