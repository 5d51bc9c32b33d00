#include "core/temperature.h"

#include <cmath>

#include "double_arithmetic.h"

namespace core {
namespace {

// Fahrenheit degrees per Celsius degree or kelvin; the double nearest 1.8.
constexpr double kDegreeRatio = 1.8;
// The Fahrenheit reading at 0 degrees Celsius.
constexpr double kFahrenheitAtZeroCelsius = 32;
// The Kelvin reading at 0 degrees Celsius; the double nearest 273.15.
constexpr double kKelvinAtZeroCelsius = 273.15;

// formula(x) in doubles, each operation rounded as IEEE 754 rounds it, then rounded once to single.
template <typename Formula>
Result<float> InDoubles(float x, Formula formula) {
  DoubleArithmetic double_arithmetic(x);
  const double wide = double_arithmetic.Leave(formula(static_cast<double>(x)));
  const float narrow = Stored(static_cast<float>(wide));
  if (!std::isfinite(narrow)) return Failure::Overflow;
  return narrow;
}

}  // namespace

Result<float> CelsiusToFahrenheit(float x) {
  return InDoubles(
      x, [](double celsius) { return celsius * kDegreeRatio + kFahrenheitAtZeroCelsius; });
}

Result<float> KelvinToFahrenheit(float x) {
  return InDoubles(x, [](double kelvin) {
    return (kelvin - kKelvinAtZeroCelsius) * kDegreeRatio + kFahrenheitAtZeroCelsius;
  });
}

Result<float> CelsiusToKelvin(float x) {
  return InDoubles(x, [](double celsius) { return celsius + kKelvinAtZeroCelsius; });
}

Result<float> FahrenheitToCelsius(float x) {
  return InDoubles(
      x, [](double fahrenheit) { return (fahrenheit - kFahrenheitAtZeroCelsius) / kDegreeRatio; });
}

Result<float> KelvinToCelsius(float x) {
  return InDoubles(x, [](double kelvin) { return kelvin - kKelvinAtZeroCelsius; });
}

Result<float> FahrenheitToKelvin(float x) {
  return InDoubles(x, [](double fahrenheit) {
    return (fahrenheit - kFahrenheitAtZeroCelsius) / kDegreeRatio + kKelvinAtZeroCelsius;
  });
}

bool IsValidEntry(std::string_view text) {
  if (text == "-" || text == ".") return false;
  int points = 0;
  int minus_signs = 0;
  for (const char c : text) {
    if (c == '.') {
      ++points;
    } else if (c == '-') {
      ++minus_signs;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  return points <= 1 && minus_signs <= 1;
}

}  // namespace core
