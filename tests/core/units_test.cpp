#include "core/units.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "core/linear_fill.h"

namespace core {
namespace {

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

// Each table holds its own category's factors, in unit order, every time it is written. The
// factors' values themselves are checked against an independent model by the vectors test.
TEST(SelectUnit, TablesHoldTheStoredFactors) {
  const std::array<void (*)(FactorTable&), 4> selects = {SelectUnit1, SelectUnit2, SelectUnit3,
                                                         SelectUnit4};
  for (std::size_t c = 0; c < selects.size(); ++c) {
    const FactorTable expected = Factors(kLinearCategories[c]);
    FactorTable table{};
    for (int time = 0; time < 2; ++time) {
      selects[c](table);
      for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(Bits(expected[i]), Bits(table[i])) << kLinearCategories[c].name << ' ' << i;
      }
    }
  }
}

TEST(ConvertUnits, ReciprocalOfTheSourceFactorComesFirst) {
  FactorTable length{};
  SelectUnit1(length);
  struct Case {
    double expected;
    std::int16_t a, i;
    double v;
  };
  const std::vector<Case> cases = {
      {0.9143999986101121, 0, 1, 1},  // a yard in metres
      {3.0000000000000004, 0, 7, 1},  // a yard in feet
      {(1 / 3.2808399) * 39.3700787 * 5, 7, 8, 5},
      {0x0.aec0ee77e4557p-1022, 3, 8, 3.8580194305611247e-307},  // rounded once among subnormals
      // Just below the smallest normal, and nearer the largest subnormal than to it: rounded to
      // 53 bits first, the product would be the halfway point, and stored, the smallest normal.
      {0x0.fffffffffffffp-1022, 2, 1, 2.225073858507201e-306},
      {1, 1, 1, 1},
      {0, 3, 5, 0},
  };
  for (const auto& c : cases) {
    const Result<double> r = ConvertUnits(length, c.a, c.i, c.v);
    ASSERT_TRUE(r);
    EXPECT_EQ(Bits(c.expected), Bits(*r)) << c.a << " -> " << c.i;
  }
}

TEST(ConvertUnits, NonFiniteResultIsOverflow) {
  struct Case {
    void (*select)(FactorTable&);
    std::int16_t a, i;
    double v;
  };
  const std::vector<Case> cases = {
      {SelectUnit1, 6, 5, 1.2e296},  // miles in nanometres
      {SelectUnit4, 0, 8, 1e300},    // acres in square millimetres
      {SelectUnit3, 0, 7, -1e300},   // long tons in milligrams
      {SelectUnit2, 0, 8, 1e293},    // years in nanoseconds
  };
  for (const auto& c : cases) {
    FactorTable table{};
    c.select(table);
    const Result<double> r = ConvertUnits(table, c.a, c.i, c.v);
    ASSERT_FALSE(r);
    EXPECT_EQ(Failure::Overflow, r.error());
    EXPECT_TRUE(ConvertUnits(table, c.a, c.i, c.v / 1e5));  // well below the limit
  }
}

TEST(ConvertUnits, IndexOutsideTheTableNamesNoUnit) {
  FactorTable length{};
  SelectUnit1(length);
  for (const auto& [a, i] : std::vector<std::pair<std::int16_t, std::int16_t>>{
           {-1, 0}, {9, 0}, {0, 9}, {0, -32768}, {32767, 32767}}) {
    const Result<double> r = ConvertUnits(length, a, i, 1);
    ASSERT_FALSE(r) << a << ' ' << i;
    EXPECT_EQ(Failure::Unreadable, r.error());
  }
}

TEST(LinearCategories, CaptionsKeepTheirExactCharacters) {
  ASSERT_EQ("Length", kLinearCategories[0].name);
  ASSERT_EQ("Time", kLinearCategories[1].name);
  ASSERT_EQ("Mass", kLinearCategories[2].name);
  ASSERT_EQ("Area", kLinearCategories[3].name);
  EXPECT_EQ("\xC2\xB5m=", kLinearCategories[0].units[4].caption);   // the micro sign
  EXPECT_EQ("km\xC2\xB2=", kLinearCategories[3].units[2].caption);  // superscript two
  EXPECT_EQ("mm\xC2\xB2", kLinearCategories[3].units[8].caption);
  for (const auto& category : kLinearCategories) {
    for (std::size_t i = 0; i < 9; ++i) {
      const std::string_view caption = category.units[i].caption;
      EXPECT_EQ(i != 8, caption.ends_with('=')) << category.name << ' ' << caption;
      EXPECT_FALSE(category.units[i].name.empty());
    }
  }
}

// One source value converted into every other unit of a category: the box texts.
struct PanelCase {
  std::size_t category;
  std::int16_t active;
  std::string text;
  std::array<std::string, 9> expected;  // "" at the active index
};

TEST(LinearCategories, WalkThroughsShowTheStoredFactorsResults) {
  const std::vector<PanelCase> cases = {
      {0,
       1,
       "1",
       {"1.0936133", "", "100", "1000", "1000000", "1000000000", "0.0006214", "3.2808399",
        "39.3700787"}},
      {0,
       0,
       "1",
       {"", "0.9144", "91.4399999", "914.3999986", "914399.9986101", "914399998.610112",
        "0.0005682", "3", "35.9999999"}},
      {0,
       6,
       "1",
       {"1760.0005472", "1609.3444979", "160934.4497893", "1609344.4978926", "1609344497.89256",
        "1609344497892.56", "", "5280.0016415", "63360.0195374"}},
      {0,
       7,
       "5",
       {"1.6666667", "1.524", "152.3999998", "1523.9999977", "1523999.9976835", "1523999997.68352",
        "0.000947", "", "59.9999998"}},
      {0,
       1,
       "12.5",
       {"13.6701663", "", "1250", "12500", "12500000", "12500000000", "0.0077671", "41.0104988",
        "492.1259838"}},
      {0, 5, "1", {"0", "0", "1E-07", "1E-06", "0.001", "", "0", "0", "0"}},
      {3,
       4,
       "1",
       {"0.000247104", "0.0001", "1E-06", "1.195990046", "", "10.763910561", "1550.003099888",
        "10000", "1000000"}},
      {3,
       4,
       "100000000",
       {"24710.4393", "10000.000121406", "100", "119599004.60898", "", "1076391056.0681",
        "155000309988.84", "1000000000000", "100000000000000"}},
      {3,
       0,
       "1",
       {"", "0.404687266", "0.004046873", "4840.019360116", "4046.872610638", "43560.174831376",
        "6272665.09134218", "40468726.1063789", "4046872610.63789"}},
      {2,
       5,
       "1",
       {"0.00098421", "0.00110231", "0.001", "2.20462262", "35.2739619", "", "1000", "1000000",
        "5000"}},
      {2,
       3,
       "1",
       {"0.00044643", "0.0005", "0.00045359", "", "15.99999999", "0.45359237", "453.59237038",
        "453592.37038038", "2267.9618519"}},
      {2, 3, "0", {"0", "0", "0", "", "0", "0", "0", "0", "0"}},
      {1,
       6,
       "1",
       {"3.2E-08", "1.653E-06", "3.8E-07", "1.1574E-05", "0.000277778", "0.016666667", "", "1000",
        "1000000000"}},
      {1,
       0,
       "1",
       {"", "52.177457011", "12.000000015", "365.242199074", "8765.812777778", "525948.766666667",
        "31556926", "31556926000", "3.1556926E+16"}},
      {1,
       3,
       "1",
       {"0.002737909", "0.142857143", "0.032854911", "", "24", "1440", "86400", "86400000",
        "86400000000000"}},
  };
  for (const auto& c : cases) {
    const Result<LinearFill> fill = FillFrom(kLinearCategories[c.category], c.active, c.text);
    ASSERT_TRUE(fill);
    for (std::size_t i = 0; i < 9; ++i) {
      EXPECT_EQ(c.expected[i], fill->texts[i])
          << kLinearCategories[c.category].name << " from " << c.active << " \"" << c.text
          << "\" into " << kLinearCategories[c.category].units[i].name;
    }
  }
}

}  // namespace
}  // namespace core
