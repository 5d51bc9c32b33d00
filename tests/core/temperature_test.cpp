#include "core/temperature.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace core {
namespace {

using Formula = Result<float> (*)(float);

struct FormulaCase {
  float expected;
  Formula formula;
  float x;
  const char* name;
};

TEST(TemperatureFormulas, RoundOnceToSingleAfterDoubleArithmetic) {
  const std::vector<FormulaCase> cases = {
      {32, CelsiusToFahrenheit, 0, "C->F 0"},
      {212, CelsiusToFahrenheit, 100, "C->F 100"},
      {-40, CelsiusToFahrenheit, -40, "C->F -40"},
      {98.59999847412109375f, CelsiusToFahrenheit, 37, "C->F 37"},
      {37, FahrenheitToCelsius, 98.6f, "F->C 98.6"},
      {100, FahrenheitToCelsius, 212, "F->C 212"},
      {-40, FahrenheitToCelsius, -40, "F->C -40"},
      {-17.77777862548828125f, FahrenheitToCelsius, 0, "F->C 0"},
      {273.149993896484375f, CelsiusToKelvin, 0, "C->K 0"},
      {6.103515625e-06f, CelsiusToKelvin, -273.15f, "C->K -273.15"},
      {-273.149993896484375f, KelvinToCelsius, 0, "K->C 0"},
      {-6.103515625e-06f, KelvinToCelsius, 273.15f, "K->C 273.15"},
      {-459.670013427734375f, KelvinToFahrenheit, 0, "K->F 0"},
      {31.999988555908203125f, KelvinToFahrenheit, 273.15f, "K->F 273.15"},
      {273.149993896484375f, FahrenheitToKelvin, 32, "F->K 32"},
      {255.372222900390625f, FahrenheitToKelvin, 0, "F->K 0"},
      {std::numeric_limits<float>::max(), CelsiusToKelvin, std::numeric_limits<float>::max(),
       "C->K max"},
  };
  for (const auto& c : cases) {
    const Result<float> r = c.formula(c.x);
    ASSERT_TRUE(r) << c.name;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(c.expected), std::bit_cast<std::uint32_t>(*r))
        << c.name << ": " << *r;
  }
}

TEST(TemperatureFormulas, KelvinToFahrenheitDoesNotPassThroughACelsiusSingle) {
  const Result<float> via_celsius = CelsiusToFahrenheit(*KelvinToCelsius(0));
  EXPECT_EQ(-459.66998291015625f, *via_celsius);
  EXPECT_EQ(-459.670013427734375f, *KelvinToFahrenheit(0));
}

TEST(TemperatureFormulas, FahrenheitToKelvinNearAbsoluteZero) {
  const Result<float> r = FahrenheitToKelvin(-459.67f);
  ASSERT_TRUE(r);
  EXPECT_NEAR(-7.4598524e-06, *r, 1e-12);
}

TEST(TemperatureFormulas, OnlyTheMultiplyingFormulasOverflow) {
  const float big = 2e38f;
  const float max = std::numeric_limits<float>::max();
  for (const Formula f : {CelsiusToFahrenheit, KelvinToFahrenheit}) {
    for (const float x : {big, -big, max, -max}) {
      const Result<float> r = f(x);
      ASSERT_FALSE(r) << x;
      EXPECT_EQ(Failure::Overflow, r.error());
    }
    EXPECT_TRUE(f(1.8e38f));
  }
  for (const Formula f :
       {CelsiusToKelvin, FahrenheitToCelsius, KelvinToCelsius, FahrenheitToKelvin}) {
    for (const float x : {max, -max}) EXPECT_TRUE(f(x)) << x;
  }
}

TEST(IsValidEntry, TwelveCharactersAtMostOnePointAndOneMinus) {
  const std::vector<std::pair<bool, std::string>> cases = {
      {false, "-"},           {false, "."},   {true, "0"},          {true, "-5"},
      {true, "5-"},           {true, "1-2"},  {true, "-."},         {true, ".5"},
      {true, "12."},          {true, "007"},  {false, "--5"},       {false, "1.2.3"},
      {false, "1,000"},       {false, "1e5"}, {false, "+5"},        {false, " 5"},
      {false, "5 "},          {false, "5a"},  {false, "a5"},        {true, ""},
      {true, "-.5"},          {false, "..5"}, {false, "5\xC2\xB0"}, {false, std::string("5\0", 2)},
      {true, "0123456789.-"},
  };
  for (const auto& [expected, text] : cases) EXPECT_EQ(expected, IsValidEntry(text)) << text;
}

TEST(IsValidEntryProperty, AgreesWithACharacterCount) {
  std::mt19937 random(7);
  const std::string alphabet = "0123456789.-,+ eE\xB5";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 6);
  for (int k = 0; k < 50000; ++k) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
    const auto count = [&](char c) { return std::count(text.begin(), text.end(), c); };
    const std::ptrdiff_t valid = std::count_if(text.begin(), text.end(), [](char c) {
      return (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
    const bool expected = text != "-" && text != "." &&
                          valid == static_cast<std::ptrdiff_t>(text.size()) && count('.') <= 1 &&
                          count('-') <= 1;
    ASSERT_EQ(expected, IsValidEntry(text)) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace core
