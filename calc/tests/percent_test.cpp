#include "calc/percent.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "error_number.h"

namespace {

using calc::ComputePercent;
using calc::NumberFormat;

struct PercentCase {
  const char* name;
  const char* first;
  const char* second;
  std::optional<std::string> expected;
};

void ExpectResults(const PercentCase* begin, const PercentCase* end, const NumberFormat& format) {
  for (const PercentCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->name);
    EXPECT_EQ(ComputePercent(c->first, c->second, format), c->expected);
  }
}

TEST(ComputePercent, GivesThePartAsAPercentageOfTheWhole) {
  const PercentCase cases[] = {
      {"exact", "45", "60", "75%"},
      {"third", "1", "3", "33.33%"},
      {"two thirds", "2", "3", "66.67%"},
      {"one decimal", "1", "8", "12.5%"},
      {"part above the whole", "3", "1", "300%"},
      {"empty part", "", "5", "0%"},
      {"negative part", "-3", "4", "-75%"},
      {"decimal part", "1.5", "3", "50%"},
      {"leading point", ".5", "2", "25%"},
      {"half hundredth away from zero", "1", "800", "0.13%"},
      {"rounds to zero", "1", "99999", "0%"},
      {"negative rounds to zero without a sign", "-1", "99999", "0%"},
      {"stored just below a half", "2.01", "200", "1.01%"},
      {"scientific result", "1e13", "1", "1E+15%"},
      {"comma ends the part", "12,5", "50", "24%"},
      {"largest typed", "99999", "1", "9999900%"},
      {"whole of exactly one", "5", "1", "500%"},
      {"whole below one", "5", "0.99", std::nullopt},
      {"whole zero", "5", "0", std::nullopt},
      {"whole empty", "5", "", std::nullopt},
      {"whole negative", "5", "-10", std::nullopt},
  };
  ExpectResults(std::begin(cases), std::end(cases), NumberFormat{});
}

TEST(ComputePercent, WritesTheUsersSeparatorButReadsOnlyThePoint) {
  const PercentCase cases[] = {
      {"third", "1", "3", "33,33%"},
      {"point read", "1.5", "3", "50%"},
      {"comma ends the number", "1,5", "3", "33,33%"},
  };
  ExpectResults(std::begin(cases), std::end(cases), NumberFormat{","});
}

TEST(ComputePercent, OverflowsBeyondTheDoubleRange) {
  const PercentCase cases[] = {
      {"part beyond", "1e999", "5", std::nullopt},
      {"whole beyond", "5", "1e999", std::nullopt},
      {"product beyond", "2e307", "1", std::nullopt},
      {"negative product beyond", "-2e307", "1", std::nullopt},
  };
  for (const PercentCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorNumberOf([&] { ComputePercent(c.first, c.second, NumberFormat{}); }), 6);
  }
}

}  // namespace
