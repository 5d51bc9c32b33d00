#include "decimal_digits.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace core {
namespace {

// Parses to_chars' scientific form "d.ddde+XX" or "de-XX".
DecimalDigits FromScientific(const char* first, const char* last) {
  DecimalDigits d;
  const char* e = first + 1;
  while (e != last && *e != 'e') ++e;
  assert(e != last);
  d.digits[0] = *first;
  d.count = 1;
  if (e != first + 1) {  // "d." then the other digits
    const auto rest = static_cast<std::size_t>(e - first - 2);
    std::memcpy(d.digits.data() + 1, first + 2, rest);
    d.count += static_cast<int>(rest);
  }
  const bool negative = e[1] == '-';
  int exponent = 0;
  for (const char* p = e + 2; p != last; ++p) exponent = exponent * 10 + (*p - '0');
  d.exponent = negative ? -exponent : exponent;
  return d;
}

}  // namespace

void DecimalDigits::RoundAtPlace(int place) {
  const int keep = exponent - place + 1;  // digits at places 10^place and above
  if (keep >= count) return;
  if (keep < 0) {  // even the first dropped digit is an implicit zero
    count = 0;
    return;
  }
  const bool up = digits[static_cast<std::size_t>(keep)] >= '5';
  count = keep;
  if (!up) return;
  int i = count - 1;
  while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9')
    digits[static_cast<std::size_t>(i--)] = '0';
  if (i >= 0) {
    ++digits[static_cast<std::size_t>(i)];
    return;
  }
  // All kept digits were nines, or none was kept: the carry makes a new leading 1.
  std::memmove(digits.data() + 1, digits.data(), static_cast<std::size_t>(count));
  digits[0] = '1';
  ++count;
  ++exponent;
}

void DecimalDigits::DropTrailingZeros() {
  while (count > 0 && digits[static_cast<std::size_t>(count - 1)] == '0') --count;
}

DecimalDigits RoundToSignificant(double magnitude, int n) {
  assert(magnitude > 0 && std::isfinite(magnitude) && n >= 1 && n <= 17);
  char buffer[40];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, n - 1);
  return FromScientific(buffer, result.ptr);
}

DecimalDigits RoundToSignificant15(double magnitude) {
  assert(magnitude > 0 && std::isfinite(magnitude));
  // The shortcut needs the double's spacing to be far finer than that of 15-digit decimals,
  // which subnormals, with their few significant bits, do not give.
  if (magnitude < std::numeric_limits<double>::min()) return RoundToSignificant(magnitude, 15);
  char buffer[40];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  DecimalDigits d = FromScientific(buffer, result.ptr);
  if (d.count <= 15) return d;
  // The shortest text has no trailing zero, so a lone 5 as its 16th and last digit is the one case
  // where the exact value may lie on either side of the half: ask for the exact rounding.
  if (d.count == 16 && d.digits[15] == '5') return RoundToSignificant(magnitude, 15);
  d.RoundAtPlace(d.exponent - 14);
  return d;
}

}  // namespace core
