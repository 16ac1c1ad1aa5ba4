// Fuzz inputs for the games' stored tables: the input cut at NUL bytes into a fixed number of
// fields, and the fields stored as a damaged profile would hold a table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
