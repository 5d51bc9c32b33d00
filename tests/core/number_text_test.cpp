#include "core/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace core {
namespace {

struct ReadCase {
  double expected;
  std::string text;
};

// Bit comparison, so that -0 and 0 and the last place all count.
void ExpectSameDouble(double expected, double actual, const std::string& text) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(actual))
      << "text \"" << text << "\" read as " << actual << ", expected " << expected;
}

TEST(ReadDouble, ReadsTheGrammarsForms) {
  const std::vector<ReadCase> cases = {
      {0, "0"},
      {5, "5."},
      {0.5, ".5"},
      {7, "007"},
      {12, " 12 "},
      {-5, "5-"},
      {5, "5+"},
      {-5, "-5"},
      {5, "+5"},
      {-0.25, "  -0.25  "},
      {0.00001, "1E-05"},
      {1234567890123460, "1.23456789012346E+15"},
      {1.5e20, "1.5e+20"},
      {300, "3E2"},
      {-300, "3E2-"},
      {-0.0, "-0"},
      {1.7976931348623157e308, "1.7976931348623157e308"},
      {4.9406564584124654e-324, "4.9406564584124654e-324"},
  };
  for (const auto& c : cases) {
    const Result<double> r = ReadDouble(c.text);
    ASSERT_TRUE(r) << c.text;
    ExpectSameDouble(c.expected, *r, c.text);
  }
}

TEST(ReadDouble, RoundsToNearestEvenForAnyNumberOfDigits) {
  const std::vector<ReadCase> cases = {
      {0.1, "0.1"},
      {0.30000000000000004, "0.30000000000000004"},
      // Halfway between 1 and its successor: ties to even.
      {1.0, "1.00000000000000011102230246251565404236316680908203125"},
      // Just above the halfway point, 800 digits in.
      {1.0000000000000002,
       "1.00000000000000011102230246251565404236316680908203125" + std::string(800, '0') + "1"},
      {9007199254740992, "9007199254740993"},
      {9007199254740996, "9007199254740995"},
      // Digits times an exact power of ten, one multiplication: on the x87, only at 53 bits.
      {2.403593112448452e26, "2403593112448452e11"},
      {1, std::string(400, '0') + "1"},
      {1e-300, "0." + std::string(299, '0') + "1"},
  };
  for (const auto& c : cases) {
    const Result<double> r = ReadDouble(c.text);
    ASSERT_TRUE(r) << c.text;
    ExpectSameDouble(c.expected, *r, c.text);
  }
}

TEST(ReadDouble, ValuesTooSmallReadAsZeroOrSubnormal) {
  const std::vector<ReadCase> cases = {
      {0, "1e-400"},
      {-0.0, "1e-400-"},
      {0, "0.0000000000000000000000001e-99999999999999999999"},
      {4.9406564584124654e-324, "3e-324"},
      {0, "2e-324"},
      {0, "0e999999999"},
  };
  for (const auto& c : cases) {
    const Result<double> r = ReadDouble(c.text);
    ASSERT_TRUE(r) << c.text;
    ExpectSameDouble(c.expected, *r, c.text);
  }
}

TEST(ReadDouble, MarkerWithoutDigitsCountsAsExponentZero) {
  const std::vector<ReadCase> cases = {{1, "1E"}, {1, "1E-"}, {1, "1e+"}, {-1, "1E-0-"}};
  for (const auto& c : cases) {
    const Result<double> r = ReadDouble(c.text);
    ASSERT_TRUE(r) << c.text;
    ExpectSameDouble(c.expected, *r, c.text);
  }
}

// Overflow is a rounded value that is not finite: the halfway point between the largest double
// and 2^1024 is the first text that overflows.
TEST(ReadDouble, OverflowStartsWhereRoundingGivesInfinity) {
  const std::string halfway =
      "17976931348623158079372897140530341507993413271003782693617377898044496829276475094664901797"
      "75872070963302864166928879109465555478519404026306574886715058206819089020007083836762738548"
      "45817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711"
      "559699508093042880177904174497792";
  const std::string just_below =
      "17976931348623158079372897140530341507993413271003782693617377898044496829276475094664901797"
      "75872070963302864166928879109465555478519404026306574886715058206819089020007083836762738548"
      "45817711531764475730270069855571366959622842914819860834936475292719074168444365510704342711"
      "559699508093042880177904174497791";
  const std::vector<std::pair<bool, std::string>> cases = {
      {true, "1.7976931348623158e308"}, {true, just_below},       {false, halfway},
      {false, halfway + ".0000001"},    {true, "-" + just_below}, {false, "-" + halfway},
  };
  for (const auto& [readable, text] : cases) {
    const Result<double> r = ReadDouble(text);
    ASSERT_EQ(readable, r.has_value()) << text;
    if (r) {
      EXPECT_EQ(std::numeric_limits<double>::max(), std::fabs(*r)) << text;
    } else {
      EXPECT_EQ(Failure::Overflow, r.error()) << text;
    }
  }
}

TEST(ReadDouble, BeyondTheLargestDoubleIsOverflow) {
  const std::vector<std::string> texts = {
      "1" + std::string(309, '0'),
      "-1" + std::string(309, '0'),
      "1.8e308",
      "1e400",
      "1e99999999999999999999999",
      "179769313486232" + std::string(294, '0') + ".0000000",
  };
  for (const auto& text : texts) {
    const Result<double> r = ReadDouble(text);
    ASSERT_FALSE(r) << text;
    EXPECT_EQ(Failure::Overflow, r.error()) << text;
  }
}

TEST(ReadDouble, TextsOutsideTheGrammarAreUnreadable) {
  const std::vector<std::string> texts = {
      "",         ".",
      "-",        "-.",
      "1.2.3",    "1-2",
      "--5",      "abc",
      "5a",       "+-5",
      "-5-",      "+5+",
      "1 2",      "\t5",
      "5\t",      "1,5",
      "1D5",      "0x10",
      "(5)",      "$5",
      "E5",       ".E5",
      "1e5.5",    "inf",
      "nan",      "1e5e5",
      " ",        "5\u00A0",
      "\xB5",     "5-5",
      "e",        "1E+-5",
      "Infinity", std::string("5\0", 2),
  };
  for (const auto& text : texts) {
    const Result<double> r = ReadDouble(text);
    ASSERT_FALSE(r) << '"' << text << '"';
    EXPECT_EQ(Failure::Unreadable, r.error()) << text;
  }
}

TEST(ReadSingle, RoundsTheDoubleToTheNearestSingle) {
  struct Case {
    float expected;
    std::string text;
  };
  const std::vector<Case> cases = {
      {98.59999847412109375f, "98.6"},          {-5, "5-"},   {0.5f, ".5"}, {12, "12."}, {7, "007"},
      {3.4028234663852886e38f, "3.4028235e38"}, {0, "1e-50"},
  };
  for (const auto& c : cases) {
    const Result<float> r = ReadSingle(c.text);
    ASSERT_TRUE(r) << c.text;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(c.expected), std::bit_cast<std::uint32_t>(*r)) << c.text;
  }
}

// The text is rounded to a double first, then to a single: two roundings, which differ from one
// where the double lands on a halfway point between singles.
TEST(ReadSingle, RoundsTwiceThroughTheDouble) {
  const Result<float> tie = ReadSingle("1.000000059604644775390626");  // the double 1 + 2^-24
  ASSERT_TRUE(tie);
  EXPECT_EQ(1.0f, *tie);
  const Result<float> top = ReadSingle("3.40282356779733661637539395458142568447e38");
  ASSERT_FALSE(top);  // the double is 2^128 - 2^103, halfway to 2^128: it rounds to infinity
  EXPECT_EQ(Failure::Overflow, top.error());
}

TEST(ReadSingle, FailsOnUnreadableTextAndBeyondTheSingleRange) {
  const std::vector<std::pair<Failure, std::string>> cases = {
      {Failure::Unreadable, "-."}, {Failure::Unreadable, "1-2"},   {Failure::Unreadable, ""},
      {Failure::Overflow, "1e39"}, {Failure::Overflow, "-3.5e38"}, {Failure::Overflow, "1e400"},
  };
  for (const auto& [failure, text] : cases) {
    const Result<float> r = ReadSingle(text);
    ASSERT_FALSE(r) << text;
    EXPECT_EQ(failure, r.error()) << text;
  }
}

struct TextCase {
  std::string expected;
  double value;
};

TEST(RoundToPattern, SevenDecimals) {
  const std::vector<TextCase> cases = {
      {"1.0936133", 1.0936133},
      {"100.0000000", 100},
      {"0.0006214", 0.000621371},
      {"0.0000001", 0.00000005},  // its 15-digit form ends in an exact 5
      {"0.0000000", 0.00000004999},
      {"100000000000000000000.0000000", 1e20},
      {"0.0000000", 0},
      {"0.0000000", -0.0},
      {"0.9144000", 0.9143999986101121},
      {"3.0000000", 3.0000000000000004},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, RoundToPattern(c.value, "###0.0000000"));
}

TEST(RoundToPattern, NineDecimals) {
  const std::vector<TextCase> cases = {
      {"1550.003099888", 1550.0030998884},
      {"0.000001000", 0.000001},
      {"123456789.123457000", 123456789.123456789},
      {"0.000000032", 3.168876461541279e-08},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, RoundToPattern(c.value, "###0.000000000"));
}

TEST(RoundToPattern, HalvesRoundAwayFromZero) {
  const std::vector<TextCase> cases = {
      {"0.0000001", 0.00000005},   {"-0.0000001", -0.00000005},      {"0.0000003", 0.00000025},
      {"-0.0000003", -0.00000025}, {"1.0000000", 0.99999995},        {"10.0000000", 9.99999995},
      {"2.0000001", 2.00000005},   {"-1000.0000000", -999.99999995},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, RoundToPattern(c.value, "###0.0000000"));
}

TEST(RoundToPattern, NegativeZeroResultHasNoSign) {
  const std::vector<TextCase> cases = {
      {"0.0000000", -0.00000004999}, {"0.0000000", -1e-300}, {"-0.0000001", -0.00000006}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, RoundToPattern(c.value, "###0.0000000"));
}

TEST(RoundToPattern, WorksOnTheFifteenDigitForm) {
  const std::vector<TextCase> cases = {
      // 16-digit integers lose their last digit to the 15-digit form.
      {"1234567890123460.00000000", 1234567890123456},
      // An exact tie at the 16th digit rounds to even in the 15-digit form.
      {"1234567890123460.00000000", 1234567890123455},
      {"1234567890123440.00000000", 1234567890123445},
      {"179769313486232" + std::string(294, '0') + ".00000000", 1.7976931348623157e308},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, RoundToPattern(c.value, "###0.00000000"));
}

// The 15 (or 7) significant digits round to nearest on the exact binary value; an exact tie
// goes to the even digit. The pattern's own halves, by contrast, go away from zero.
TEST(SignificantDigits, ExactTiesGoToEven) {
  EXPECT_EQ("100000000000000", DoubleText(100000000000000.5));
  EXPECT_EQ("100000000000002", DoubleText(100000000000001.5));
  EXPECT_EQ("1.23456789012344E+15", DoubleText(1234567890123445.0));
  EXPECT_EQ("100000000000000.0000000", RoundToPattern(100000000000000.5, "###0.0000000"));
  EXPECT_EQ("262144.2", SingleText(262144.25f));
  EXPECT_EQ("12345.62", SingleText(12345.625f));
  EXPECT_EQ("1234568", SingleText(1234568.5f));
}

// The program never shows them, but a caller passing one gets a text, not a crash.
TEST(NumberTexts, NonFiniteValuesGiveTextsThatReadAsNoNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ("Infinity", DoubleText(inf));
  EXPECT_EQ("-Infinity", RoundToPattern(-inf, "###0.0000000"));
  EXPECT_EQ("NaN", RoundToPattern(nan, "###0.000000000"));
  EXPECT_EQ("-Infinity", SingleText(-std::numeric_limits<float>::infinity()));
  EXPECT_EQ("NaN", SingleText(std::numeric_limits<float>::quiet_NaN()));
  for (const double x : {inf, -inf, nan}) {
    EXPECT_FALSE(ReadDouble(DoubleText(x)));
    const Result<RoundedValue> shown = RoundForDisplay(x, 7);
    ASSERT_FALSE(shown);
    EXPECT_EQ(Failure::Overflow, shown.error());
  }
}

TEST(DoubleText, PositionalBetweenExponentsMinusFourAndFourteen) {
  const std::vector<TextCase> cases = {
      {"0", 0},
      {"0", -0.0},
      {"1000000000", 1000000000},
      {"0.0001", 0.0001},
      {"999999999999999", 999999999999999},
      {"0.333333333333333", 1.0 / 3},
      {"0.666666666666667", 2.0 / 3},
      {"0.3", 0.1 + 0.2},
      {"-0.5", -0.5},
      {"0.9144", 0.9144},
      {"1523999997.68352", 1523999997.68352},
      {"100000000000000", 99999999999999.99},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, DoubleText(c.value));
}

TEST(DoubleText, ExponentFormOutsideThatRange) {
  const std::vector<TextCase> cases = {
      {"1E-05", 0.00001},
      {"1.1574E-05", 0.000011574},
      {"1E-06", 0.000001},
      {"1E+15", 1e15},
      {"1.23456789012346E+15", 1234567890123456},
      {"1E+100", 1e100},
      {"1.79769313486232E+308", std::numeric_limits<double>::max()},
      {"-1.0936133E+20", -1.0936133e20},
      {"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
      {"1E-05", 0.0000099999999999999995},  // rounds up across the boundary
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, DoubleText(c.value));
}

TEST(SingleText, SevenDigitsPositionalUpToExponentSix) {
  const std::vector<std::pair<std::string, float>> cases = {
      {"32", 32.0f},
      {"273.15", 273.149993896484375f},
      {"98.6", 98.59999847412109375f},
      {"-459.67", -459.670013427734375f},
      {"255.3722", 255.372222900390625f},
      {"1234567", 1234567.0f},
      {"1.234568E+07", 12345678.0f},
      {"1E+07", 10000000.0f},
      {"0.0001", 9.999999747378752e-05f},
      {"6.103516E-06", 6.1035157e-06f},
      {"3.402823E+38", std::numeric_limits<float>::max()},
      {"0", -0.0f},
  };
  for (const auto& [expected, value] : cases) EXPECT_EQ(expected, SingleText(value));
}

TEST(RoundForDisplay, RoundsThenShowsTheReadBack) {
  struct Case {
    std::string expected;
    double value;
    int decimals;
  };
  const std::vector<Case> cases = {
      {"0.9144", 0.9143999986101121, 7},
      {"3", 3.0000000000000004, 7},
      {"3.2E-08", 3.168876461541279e-08, 9},
      {"1.0936133E+20", 1.0936133e+20, 7},
      {"0", -1e-12, 7},
      {"-1E-07", -0.00000005, 7},
      {"1E-07", 0.00000005, 7},
      {"1.79769313486231E+308", 1.797693134862314e308, 7},
  };
  for (const auto& c : cases) {
    const Result<RoundedValue> rounded = RoundForDisplay(c.value, c.decimals);
    ASSERT_TRUE(rounded) << c.value;
    EXPECT_EQ(c.expected, rounded->text);
  }
  const Result<RoundedValue> top = RoundForDisplay(std::numeric_limits<double>::max(), 7);
  ASSERT_FALSE(top);
  EXPECT_EQ(Failure::Overflow, top.error());
}

// Random doubles of every magnitude, from their bits.
std::vector<double> RandomFiniteDoubles(int count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<double> values;
  while (static_cast<int>(values.size()) < count) {
    const double x = std::bit_cast<double>(random());
    if (std::isfinite(x)) values.push_back(x);
  }
  return values;
}

// The same values over the ranges a converter meets, with ties and near-ties at every place.
std::vector<double> RandomEverydayDoubles(int count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::uniform_int_distribution<int> exponent(-12, 20);
  std::uniform_int_distribution<std::int64_t> digits(1, 999999999999999);
  std::vector<double> values;
  for (int k = 0; k < count; ++k) {
    const std::string text =
        std::to_string(digits(random)) + "5e" + std::to_string(exponent(random));
    values.push_back(*ReadDouble(text) * (k % 2 ? -1 : 1));
  }
  return values;
}

// Everyday values first, then doubles of every magnitude.
std::vector<double> SampleDoubles(int everyday, int wide, std::uint64_t seed) {
  std::vector<double> values = RandomEverydayDoubles(everyday, seed);
  const std::vector<double> more = RandomFiniteDoubles(wide, seed + 1);
  values.insert(values.end(), more.begin(), more.end());
  return values;
}

std::string PatternOf(int decimals) {
  return "###0." + std::string(static_cast<std::size_t>(decimals), '0');
}

TEST(DoubleTextProperty, ReadsBackToTheSameFifteenDigits) {
  for (const double x : RandomFiniteDoubles(20000, 1)) {
    const std::string text = DoubleText(x);
    const Result<double> back = ReadDouble(text);
    ASSERT_TRUE(back) << text;
    char expected[40];
    char actual[40];
    std::snprintf(expected, sizeof expected, "%.14e", x);
    std::snprintf(actual, sizeof actual, "%.14e", *back);
    ASSERT_STREQ(expected, actual) << text;
  }
}

TEST(RoundToPatternProperty, ExactlyNDecimalsAndNeverAnExponent) {
  for (const int decimals : {7, 8, 9}) {
    const std::string pattern = PatternOf(decimals);
    for (const double x : SampleDoubles(5000, 5000, 2)) {
      const std::string text = RoundToPattern(x, pattern);
      const std::size_t point = text.find('.');
      ASSERT_NE(std::string::npos, point) << text;
      ASSERT_EQ(static_cast<std::size_t>(decimals), text.size() - point - 1) << text;
      ASSERT_EQ(std::string::npos, text.find_first_not_of("-.0123456789")) << text;
      ASSERT_EQ(std::string::npos, text.find('-', 1)) << text;
      if (text[0] == '-') {
        ASSERT_NE(std::string::npos, text.find_first_of("123456789")) << "signed zero: " << text;
      }
    }
  }
}

// An independent model of the pattern rounding, on printf's 15 digits and long integer digits.
std::string ModelRoundToPattern(double x, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x));
  std::string digits = std::string(1, buffer[0]) + std::string(buffer + 2, 14);
  int exponent = std::atoi(buffer + 17);
  // Scale so that the digits are an integer count of 10^-decimals.
  const int shift = exponent - 14 + decimals;  // power of ten of the last digit, in units
  std::string units;
  if (shift >= 0) {
    units = digits + std::string(static_cast<std::size_t>(shift), '0');
  } else if (-shift <= 15) {
    const std::size_t keep = static_cast<std::size_t>(15 + shift);
    units = digits.substr(0, keep);
    const bool up = digits[keep] >= '5';
    if (units.empty()) units = "0";
    if (up) {
      int i = static_cast<int>(units.size()) - 1;
      while (i >= 0 && units[static_cast<std::size_t>(i)] == '9')
        units[static_cast<std::size_t>(i--)] = '0';
      if (i < 0)
        units.insert(units.begin(), '1');
      else
        ++units[static_cast<std::size_t>(i)];
    }
  } else {
    units = "0";
  }
  if (units.size() <= static_cast<std::size_t>(decimals))
    units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
  std::string text = units.substr(0, units.size() - static_cast<std::size_t>(decimals)) + "." +
                     units.substr(units.size() - static_cast<std::size_t>(decimals));
  const bool zero = text.find_first_of("123456789") == std::string::npos;
  return (x < 0 && !zero ? "-" : "") + text;
}

TEST(RoundToPatternProperty, AgreesWithAnIndependentModel) {
  const std::vector<double> values = SampleDoubles(20000, 2000, 4);
  for (const int decimals : {7, 8, 9}) {
    const std::string pattern = PatternOf(decimals);
    for (const double x : values) {
      ASSERT_EQ(ModelRoundToPattern(x, decimals), RoundToPattern(x, pattern)) << x;
    }
  }
}

// The one-pass chain must give exactly what the three steps give one after the other.
TEST(RoundForDisplayProperty, EqualsReadingBackThePatternText) {
  const std::vector<double> values = SampleDoubles(20000, 5000, 8);
  for (const int decimals : {7, 8, 9}) {
    const std::string pattern = PatternOf(decimals);
    for (const double x : values) {
      const Result<double> back = ReadDouble(RoundToPattern(x, pattern));
      const Result<RoundedValue> rounded = RoundForDisplay(x, decimals);
      ASSERT_EQ(back.has_value(), rounded.has_value()) << x;
      if (!back) continue;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(*back), std::bit_cast<std::uint64_t>(rounded->value))
          << x;
      ASSERT_EQ(DoubleText(*back), rounded->text) << x;
    }
  }
}

TEST(SingleTextProperty, ReadsBackToTheSameSevenDigits) {
  std::mt19937 random(6);
  for (int k = 0; k < 20000; ++k) {
    const float x = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (!std::isfinite(x)) continue;
    const std::string text = SingleText(x);
    const Result<double> back = ReadDouble(text);
    ASSERT_TRUE(back) << text;
    char expected[40];
    char actual[40];
    std::snprintf(expected, sizeof expected, "%.6e", static_cast<double>(x));
    std::snprintf(actual, sizeof actual, "%.6e", *back);
    ASSERT_STREQ(expected, actual) << text;
  }
}

// Characters of a UTF-8 text.
int Characters(std::string_view text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// A shortened form shows at most `digits` significant digits, stands within half a unit of its
// last digit of the text's number (both read with 64 significant bits and a range far beyond a
// double's), and is marked unless it is that number.
void ExpectReadsAsItsText(const std::string& form, const std::string& text, int digits) {
  const bool marked = form.starts_with("\u2248");
  const std::string number = form.substr(marked ? 3 : 0);
  const std::size_t e = std::min(number.find('E'), number.size());
  const std::size_t point = std::min(number.find('.'), e);
  const std::size_t first = std::min(number.find_first_of("123456789"), e);
  EXPECT_LE(std::count_if(number.begin() + static_cast<std::ptrdiff_t>(first),
                          number.begin() + static_cast<std::ptrdiff_t>(e), ::isdigit),
            digits)
      << form;
  const int last_place = (e < number.size() ? std::stoi(number.substr(e + 1)) : 0) -
                         static_cast<int>(point < e ? e - point - 1 : 0);
  const long double value = std::strtold(text.c_str(), nullptr);
  const long double shown = std::strtold(number.c_str(), nullptr);
  EXPECT_LE(std::fabs(value - shown),
            0.5L * std::pow(10.0L, last_place) +
                std::fabs(value) * std::numeric_limits<long double>::epsilon())
      << form << " from " << text;
  if (!marked) {
    EXPECT_EQ(value, shown) << form << " from " << text;
  }
}

// The texts the panels write at their widest, each category's extremes, and texts typed in odd
// forms, shortened to a number of digits.
TEST(ShortNumberText, RoundsTheTextsDigitsAndKeepsItsMagnitude) {
  const std::string big = "1" + std::string(400, '0');
  const std::vector<std::tuple<std::string, int, std::string>> cases = {
      {"1.60934449789256E+15", 8, "\u22481.6093445E+15"},
      {"-1.60934449789256E+15", 3, "\u2248-1.61E+15"},
      {"1609344497892.56", 8, "\u22481.6093445E+12"},
      {"1016046908.39848", 10, "\u22481016046908"},
      {"1016046908.39848", 5, "\u22481.016E+09"},
      {"1119.99999862", 10, "\u22481119.999999"},
      {"1119.99999862", 9, "\u22481120"},
      {"9.99999999999999E+15", 8, "\u22481E+16"},
      {"99999999999.9999", 12, "\u2248100000000000"},
      {"99999999999.9999", 11, "\u22481E+11"},
      {"-2.5", 1, "\u2248-3"},
      {"12.5e3", 2, "\u22481.3E+04"},
      {"1E-05", 1, "1E-05"},
      {"1.23456789012345E-300", 5, "\u22481.2346E-300"},
      {"0.000123456789012", 4, "\u22480.0001235"},
      {"-0.0000123456789012", 4, "\u2248-1.235E-05"},
      {"-1.79769313486232E+308", 1, "\u2248-2E+308"},
      {"3.402823E+38", 4, "\u22483.403E+38"},
      {"4.94065645841247E-324", 2, "\u22484.9E-324"},
      {"  0001234567.000 ", 7, "1234567"},
      {"12345678901234567890123", 17, "\u22481.2345678901234568E+22"},
      {"-0.000", 2, "0"},
      {big, 3, "1E+400"},
      {big + "1", 3, "\u22481E+401"},
  };
  for (const auto& [text, digits, expected] : cases) {
    EXPECT_EQ(expected, *ShortNumberText(text, digits)) << text;
    ExpectReadsAsItsText(expected, text, digits);
  }
  for (const std::string text : {"5,5abc", "", ".", "1.2.3", "Infinity"}) {
    EXPECT_FALSE(ShortNumberText(text, 5)) << text;
  }
}

TEST(ShortNumberTextProperty, EveryDisplayTextReadsAsItselfInFewerDigits) {
  for (const double x : SampleDoubles(2000, 2000, 12)) {
    const std::string text = DoubleText(x);
    for (int digits = 1; digits <= 15; ++digits) {
      ExpectReadsAsItsText(*ShortNumberText(text, digits), text, digits);
    }
  }
}

// A box `characters` wide takes the form with the most digits that fits it.
TEST(FitNumberText, TakesTheMostDigitsThatFit) {
  const std::vector<std::tuple<std::string, int, std::optional<std::string>>> cases = {
      {"1016046908.39848", 11, "\u22481016046908"},
      {"1016046908.39848", 10, "\u22481.016E+09"},
      {"1.60934449789256E+15", 12, "\u22481.60934E+15"},
      {"1119.99999862", 11, "\u22481120"},
      {"99999999999.9999", 12, "\u22481E+11"},
      {"-1.79769313486232E+308", 7, std::nullopt},
      {"5,5abc1234567", 30, std::nullopt},
  };
  for (const auto& [text, characters, expected] : cases) {
    const auto fits = [most = characters](std::string_view form) {
      return Characters(form) <= most;
    };
    EXPECT_EQ(expected, FitNumberText(text, fits)) << text << " in " << characters;
  }
}

}  // namespace
}  // namespace core
