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

Result<float> ToSingle(double value) {
  const float narrow = Stored(static_cast<float>(value));
  if (!std::isfinite(narrow)) return Failure::Overflow;
  return narrow;
}

double Wide(float x) {
  return static_cast<double>(x);
}

}  // namespace

Result<float> CelsiusToFahrenheit(float x) {
  const DoubleArithmetic double_arithmetic;
  return ToSingle(Wide(x) * kDegreeRatio + kFahrenheitAtZeroCelsius);
}

Result<float> KelvinToFahrenheit(float x) {
  const DoubleArithmetic double_arithmetic;
  return ToSingle((Wide(x) - kKelvinAtZeroCelsius) * kDegreeRatio + kFahrenheitAtZeroCelsius);
}

Result<float> CelsiusToKelvin(float x) {
  const DoubleArithmetic double_arithmetic;
  return ToSingle(Wide(x) + kKelvinAtZeroCelsius);
}

Result<float> FahrenheitToCelsius(float x) {
  const DoubleArithmetic double_arithmetic;
  return ToSingle((Wide(x) - kFahrenheitAtZeroCelsius) / kDegreeRatio);
}

Result<float> KelvinToCelsius(float x) {
  const DoubleArithmetic double_arithmetic;
  return ToSingle(Wide(x) - kKelvinAtZeroCelsius);
}

Result<float> FahrenheitToKelvin(float x) {
  const DoubleArithmetic double_arithmetic;
  return ToSingle((Wide(x) - kFahrenheitAtZeroCelsius) / kDegreeRatio + kKelvinAtZeroCelsius);
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
