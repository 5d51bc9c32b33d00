// Temperature conversions between Celsius, Fahrenheit and Kelvin in single precision, and the test
// of whether a temperature box's text may be converted at all.
#ifndef CORE_TEMPERATURE_H_
#define CORE_TEMPERATURE_H_

#include <string_view>

#include "core/result.h"

namespace core {

// Each formula widens x to double, evaluates one operation at a time in the written order with
// the constants 1.8, 32 and 273.15 held as doubles, and rounds once to single. Overflow when the
// rounded result is not finite (only the two that multiply by 1.8 can, above about 1.89e38).
//   CelsiusToFahrenheit(37) -> 98.59999847412109375   (x * 1.8 + 32)
//   CelsiusToFahrenheit(2e38) -> Failure::Overflow
Result<float> CelsiusToFahrenheit(float x);
//   KelvinToFahrenheit(0) -> -459.670013427734375     ((x - 273.15) * 1.8 + 32)
Result<float> KelvinToFahrenheit(float x);
//   CelsiusToKelvin(-273.15f) -> about 6.1035157e-06  (x + 273.15)
Result<float> CelsiusToKelvin(float x);
//   FahrenheitToCelsius(98.6f) -> 37                  ((x - 32) / 1.8)
Result<float> FahrenheitToCelsius(float x);
//   KelvinToCelsius(0) -> -273.149993896484375        (x - 273.15)
Result<float> KelvinToCelsius(float x);
//   FahrenheitToKelvin(0) -> 255.372222900390625      ((x - 32) / 1.8 + 273.15)
Result<float> FahrenheitToKelvin(float x);

// True when the text may be converted: every character is a digit, "." or "-", with at most one
// "." and at most one "-", and the text is not a lone "-" or ".". Positions are not examined.
//   IsValidEntry("5-") -> true   IsValidEntry("-.") -> true   IsValidEntry("1,5") -> false
//   IsValidEntry("1e5") -> false   IsValidEntry(".") -> false   IsValidEntry("") -> true
bool IsValidEntry(std::string_view text);

}  // namespace core

#endif  // CORE_TEMPERATURE_H_
