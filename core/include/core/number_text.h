// Number text rules: how a box's text becomes a number and a number becomes a box's text.
//
// Every function here uses "." as the decimal point and knows no grouping separator, whatever
// the user's locale. Texts are UTF-8. Nothing here throws or keeps state.
#ifndef CORE_NUMBER_TEXT_H_
#define CORE_NUMBER_TEXT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/result.h"

namespace core {

// Reads a number text: spaces, an optional sign, digits with at most one ".", an optional
// exponent ("E" or "e", optional sign, digits), an optional trailing sign instead of a leading
// one, spaces. The value is the decimal rounded to the nearest double (ties to even); a value too
// small to represent reads as zero or a subnormal. An exponent marker with no digit after it
// counts as the exponent 0, so that "1E-" (a display text being edited) reads as 1. Overflow
// when the rounded value is not finite: "1.7976931348623158e308" still reads as the largest
// double, which its nearest-double rounding gives.
//   ReadDouble("5.") -> 5          ReadDouble(" 12 ") -> 12      ReadDouble("5-") -> -5
//   ReadDouble("1E-05") -> 1e-05   ReadDouble("1" + 309 zeros) -> Failure::Overflow
//   ReadDouble(".") -> Failure::Unreadable   ReadDouble("1-2") -> Failure::Unreadable
Result<double> ReadDouble(std::string_view text);

// Reads as ReadDouble, then rounds that double to the nearest single (ties to even): two
// roundings, not one. Overflow when the rounded value is not finite.
//   ReadSingle("98.6") -> 98.59999847412109375   ReadSingle("1e39") -> Failure::Overflow
//   ReadSingle("3.4028235e38") -> 3.4028234663852886e38, the largest single
//   ReadSingle("1.000000059604644775390626") -> 1 (the double 1 + 2^-24, a tie, goes to even)
Result<float> ReadSingle(std::string_view text);

// Rounds x to the pattern "###0." followed by N zeros: x is first written with 15 significant
// digits (to nearest, ties to even on x's exact binary value), that decimal is rounded to N places
// with halves away from zero, and the result is written with every integer digit, ".", and exactly
// N decimals; never an exponent. A negative value that rounds to zero has no sign. The program
// passes only finite values; an infinity or NaN gives "Infinity", "-Infinity" or "NaN".
//   RoundToPattern(0.000621371, "###0.0000000") -> "0.0006214"
//   RoundToPattern(5e-08, "###0.0000000") -> "0.0000001"   (its 15 digits end in an exact 5)
//   RoundToPattern(1e20, "###0.0000000") -> "100000000000000000000.0000000"
std::string RoundToPattern(double x, std::string_view pattern);

// The display text of a double: 15 significant digits (to nearest, ties to even on x's exact
// binary value), positional when the decimal exponent is -4 to 14, otherwise "d.dddE+XX";
// trailing zeros dropped. Not-finite values as for RoundToPattern.
//   DoubleText(0.0001) -> "0.0001"   DoubleText(0.00001) -> "1E-05"   DoubleText(-0.0) -> "0"
//   DoubleText(1234567890123456) -> "1.23456789012346E+15"   DoubleText(1.0 / 3) ->
//   "0.333333333333333"
std::string DoubleText(double x);

// The display text of a single: as DoubleText with 7 significant digits and positional notation
// for decimal exponents -4 to 6.
//   SingleText(262144.25f) -> "262144.2"   (an exact tie at the 8th digit goes to even)
//   SingleText(98.6f) -> "98.6"   SingleText(12345678) -> "1.234568E+07"
std::string SingleText(float x);

// The number of decimals of a rounding pattern: the characters after its ".".
//   PatternDecimals("###0.0000000") -> 7
int PatternDecimals(std::string_view pattern);

// The rounding pattern with `decimals` decimals, 0 to 12.
//   Pattern(7) -> "###0.0000000"   Pattern(0) -> "###0."
constexpr std::string_view Pattern(int decimals) {
  return std::string_view("###0.000000000000").substr(0, static_cast<std::size_t>(5 + decimals));
}

// What a linear box shows for a converted value x, with a pattern of `decimals` decimals: the
// double ReadDouble(RoundToPattern(x, pattern)) and its DoubleText, in one pass. Overflow only
// for the few doubles next to the largest finite one whose 15-digit form lies above it.
//   RoundForDisplay(0.9143999986101121, 7) -> {0.9144, "0.9144"}
//   RoundForDisplay(3.168876461541279e-08, 9) -> {3.2e-08, "3.2E-08"}
//   RoundForDisplay(1.7976931348623157e308, 7) -> Failure::Overflow, as for infinities and NaN
struct RoundedValue {
  double value = 0;
  std::string text;
};
Result<RoundedValue> RoundForDisplay(double x, int decimals);

// The most significant digits ShortNumberText writes: as many as any double needs.
inline constexpr int kMaxShortDigits = 17;

// A number text written with at most `digits` significant digits (1 to kMaxShortDigits), for a
// box too narrow for the whole text. The text's own decimal digits are rounded, halves away from
// zero, exactly (no double is involved, so any length and exponent works), and written as
// DoubleText writes a number: trailing zeros dropped, positional for decimal exponents -4 to
// digits - 1 and otherwise with "E". "\u2248" (almost equal to) leads when a non-zero digit was
// dropped, so that a shortened number is never taken for the whole one. Unreadable for a text
// outside ReadDouble's grammar; a value too large for a double is still written.
//   ShortNumberText("1.60934449789256E+15", 8) -> "\u22481.6093445E+15"
//   ShortNumberText("1609344497892.56", 8) -> "\u22481.6093445E+12"
//   ShortNumberText("1119.99999862", 9) -> "\u22481120"
//   ShortNumberText("-0.000123456789", 4) -> "\u2248-0.0001235"
//   ShortNumberText("100000000000000000000", 3) -> "1E+20"    ShortNumberText("0.000", 1) -> "0"
//   ShortNumberText("5,5abc", 4) -> Failure::Unreadable
Result<std::string> ShortNumberText(std::string_view text, int digits);

// The ShortNumberText of `text` with the most digits whose form `fits` (a box's width, say);
// none when the text is not a number or no form fits.
//   FitNumberText("1016046908.39848", at most 11 characters) -> "\u22481016046908"
//   FitNumberText("1016046908.39848", at most 10 characters) -> "\u22481.016E+09"
std::optional<std::string> FitNumberText(std::string_view text,
                                         const std::function<bool(std::string_view)>& fits);

}  // namespace core

#endif  // CORE_NUMBER_TEXT_H_
