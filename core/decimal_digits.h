// The significant decimal digits of a positive double, rounded to a given count, and rounding of
// those digits at a decimal place. The building block of the number texts.
#ifndef CORE_DECIMAL_DIGITS_H_
#define CORE_DECIMAL_DIGITS_H_

#include <array>

namespace core {

// The decimal digits[0] . digits[1] digits[2] ... times 10^exponent; digits[0] is not '0' unless
// count is 0, which stands for zero.
struct DecimalDigits {
  std::array<char, 24> digits{};
  int count = 0;
  int exponent = 0;  // the power of ten of digits[0]

  // Keeps the digits at places 10^place and above, rounding halves away from zero on the first
  // digit dropped. Digits 123 at exponent 2 (123), place 1 -> digits 12 at exponent 2 (120);
  // digits 95 at exponent -1 (0.95), place 0 -> digits 1 at exponent 0.
  void RoundAtPlace(int place);
  // 1.500 -> 1.5; a zero keeps no digit.
  void DropTrailingZeros();
};

// The magnitude rounded to n significant digits (1 to 17), to nearest with ties to even on the
// exact binary value. magnitude must be positive and finite.
//   RoundToSignificant(0.1, 3) -> digits 100 at exponent -1
DecimalDigits RoundToSignificant(double magnitude, int n);

// RoundToSignificant(magnitude, 15), faster: for a normal double, the shortest text that reads
// back to it holds its 15-digit rounding, unless that text ends in an exact half at the 16th
// digit (a double's spacing is at least four times finer than that of 15-digit decimals, so the
// shortest text and the double lie on the same side of every 15-digit rounding boundary).
DecimalDigits RoundToSignificant15(double magnitude);

}  // namespace core

#endif  // CORE_DECIMAL_DIGITS_H_
