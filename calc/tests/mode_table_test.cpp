#include "calc/mode_table.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "error_number.h"

namespace {

using calc::ModeTable;

TEST(ModeTable, StartsEmpty) {
  const ModeTable table;
  for (std::int16_t mode = 0; mode < ModeTable::kModes; ++mode) {
    for (std::int16_t row = 0; row < ModeTable::kRows; ++row) {
      EXPECT_EQ(table.Get(mode, row), "") << mode << "," << row;
    }
  }
}

TEST(ModeTable, HoldsTheWordsOfEachMode) {
  const char* const expected[ModeTable::kModes][ModeTable::kRows] = {
      {"КПД", "изходяща енергия", "подадена енергия", "КПД %", ""},
      {"рандеман", "годна продукция", "произведена продукция", "рандеман %", ""},
      {"практически добив", "получен добив", "теоретичен добив", "добив %", ""},
      {"", "", "", "", ""},  // mode 3 exists but is never filled
  };
  ModeTable table;
  table.Fill();
  for (std::int16_t mode = 0; mode < ModeTable::kModes; ++mode) {
    for (std::int16_t row = 0; row < ModeTable::kRows; ++row) {
      EXPECT_EQ(table.Get(mode, row), expected[mode][row]) << mode << "," << row;
    }
  }
}

TEST(ModeTable, OutsideTheTableIsSubscriptOutOfRange) {
  struct Index {
    std::int16_t mode;
    std::int16_t row;
  };
  const Index outside[] = {{4, 0},  {0, 5},         {-1, 0},
                           {0, -1}, {INT16_MAX, 0}, {INT16_MIN, INT16_MIN}};
  ModeTable table;
  table.Fill();
  for (const Index& index : outside) {
    EXPECT_EQ(ErrorNumberOf([&] { table.Get(index.mode, index.row); }), 9)
        << index.mode << "," << index.row;
  }
}

}  // namespace
