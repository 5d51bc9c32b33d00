#include "core/linear_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace core {
namespace {

TEST(FillFrom, FailsWithoutTextsOnUnreadableOrOverflowingEntries) {
  struct Case {
    Failure expected;
    std::size_t category;
    std::int16_t active;
    std::string text;
  };
  const std::vector<Case> cases = {
      {Failure::Unreadable, 0, 1, "abc"},
      {Failure::Unreadable, 0, 1, "1 2"},
      {Failure::Unreadable, 0, 1, "1E-05."},
      {Failure::Unreadable, 0, 1, ""},
      {Failure::Overflow, 0, 1, "1" + std::string(309, '0')},
      {Failure::Overflow, 0, 6, "2e296"},                   // miles into nanometres
      {Failure::Overflow, 3, 0, "1e300"},                   // acres into square millimetres
      {Failure::Overflow, 1, 0, "1e293"},                   // years into nanoseconds
      {Failure::Overflow, 2, 1, "1.7976931348623157e308"},  // the rounding of the tons' own value
  };
  for (const auto& c : cases) {
    const Result<LinearFill> fill = FillFrom(kLinearCategories[c.category], c.active, c.text);
    ASSERT_FALSE(fill) << c.text;
    EXPECT_EQ(c.expected, fill.error()) << c.text;
  }
}

TEST(FillFrom, KeepsTheSourceAndTheLastConvertedValue) {
  const Result<LinearFill> fill = FillFrom(kLinearCategories[0], 7, "5");
  ASSERT_TRUE(fill);
  EXPECT_EQ(5, fill->source_value);
  EXPECT_EQ(59.9999998, fill->converted_value);  // the inches, box 8, come last
  EXPECT_EQ("", fill->texts[7]);
}

TEST(FillFrom, LargestReadableEntriesConvertWhereTheyFit) {
  const Result<LinearFill> fill = FillFrom(kLinearCategories[0], 5, "1e300");
  ASSERT_TRUE(fill);  // nanometres into anything is a division
  EXPECT_EQ("1E+291", fill->texts[1]);
}

}  // namespace
}  // namespace core
