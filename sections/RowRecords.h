// Compile-time conversion of a table's constant rows to the records that
// its writer hands to WriteBuiltInTable.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>
#include "SectionRecord.h"

// Stores the text as written: its own length, no padding added.
template <int N>
constexpr void SetText(ShortString<N>& s, std::string_view text) {
    s.len = static_cast<uint8_t>(ShortString<N>::Fit(text.data(), text.size()));
    for (int i = 0; i < s.len; ++i) s.chars[i] = text[i];
}

template <class Row, std::size_t N>
constexpr std::array<SectionRecord, N> ToRecords(const Row (&rows)[N]) {
    std::array<SectionRecord, N> records{};
    for (std::size_t i = 0; i < N; ++i) records[i] = ToRecord(rows[i]);
    return records;
}

// A blank separator row: the given designation and kind, every number 0.
template <class Row>
constexpr Row SeparatorRow(std::string_view designation, std::string_view kind) {
    Row row{};
    row.Designation = designation;
    row.Kind = kind;
    return row;
}
