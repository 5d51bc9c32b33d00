#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "decimal_digits.h"
#include "double_arithmetic.h"

namespace core {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The parts of a readable number text that from_chars needs, found by one pass over the text.
struct NumberSyntax {
  bool negative = false;
  const char* first = nullptr;  // start of the mantissa
  const char* last = nullptr;   // end of the mantissa and of the exponent, when it has digits
  // Power of ten of the first non-zero digit, saturated; 0 when every digit is zero. Tells an
  // overflow from an underflow when from_chars says the value is out of range.
  std::int64_t magnitude = 0;
};

constexpr std::int64_t kExponentLimit = 1'000'000'000;

// Checks the grammar of ReadDouble; false for any text outside it.
bool ParseSyntax(std::string_view text, NumberSyntax& out) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && *p == ' ') ++p;

  bool leading_sign = false;
  if (p != end && (*p == '+' || *p == '-')) {
    leading_sign = true;
    out.negative = *p == '-';
    ++p;
  }

  out.first = p;
  std::int64_t integer_digits = 0;
  std::int64_t digit_count = 0;
  std::int64_t first_nonzero = -1;
  bool point = false;
  for (; p != end; ++p) {
    if (IsDigit(*p)) {
      if (first_nonzero < 0 && *p != '0') first_nonzero = digit_count;
      ++digit_count;
      if (!point) ++integer_digits;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digit_count == 0) return false;
  out.last = p;

  std::int64_t exponent = 0;
  if (p != end && (*p == 'E' || *p == 'e')) {
    const char* q = p + 1;
    bool exponent_negative = false;
    if (q != end && (*q == '+' || *q == '-')) {
      exponent_negative = *q == '-';
      ++q;
    }
    const char* const digits = q;
    for (; q != end && IsDigit(*q); ++q) {
      if (exponent < kExponentLimit) exponent = exponent * 10 + (*q - '0');
    }
    // A marker without digits counts as the exponent 0 and is left out of what from_chars reads.
    if (q != digits) out.last = q;
    if (exponent_negative) exponent = -exponent;
    p = q;
  }

  if (p != end && (*p == '+' || *p == '-')) {
    if (leading_sign) return false;
    out.negative = *p == '-';
    ++p;
  }
  while (p != end && *p == ' ') ++p;
  if (p != end) return false;

  if (first_nonzero >= 0) out.magnitude = integer_digits - 1 - first_nonzero + exponent;
  return true;
}

// Writes the digits of `d` that stand at the places 10^high down to 10^low; places beyond the
// digits are zeros.
char* WritePlaces(const DecimalDigits& d, int high, int low, char* out) {
  for (int place = high; place >= low; --place) {
    const int index = d.exponent - place;
    *out++ = (index >= 0 && index < d.count) ? d.digits[static_cast<std::size_t>(index)] : '0';
  }
  return out;
}

// Writes the display text of a non-zero value of `d`'s digits: positional for decimal exponents
// -4 to max_positional, otherwise with an exponent of at least two digits.
std::string DisplayText(DecimalDigits d, bool negative, int max_positional) {
  d.DropTrailingZeros();
  std::array<char, 32> buffer;  // the longest, "-1.79769313486232E+308", has 22 characters
  char* out = buffer.data();
  if (negative) *out++ = '-';
  if (d.exponent >= -4 && d.exponent <= max_positional) {
    out = WritePlaces(d, std::max(d.exponent, 0), 0, out);
    const int last_place = d.exponent - d.count + 1;
    if (last_place < 0) {
      *out++ = '.';
      out = WritePlaces(d, -1, last_place, out);
    }
  } else {
    *out++ = d.digits[0];
    if (d.count > 1) {
      *out++ = '.';
      out = WritePlaces(d, d.exponent - 1, d.exponent - d.count + 1, out);
    }
    *out++ = 'E';
    *out++ = d.exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) *out++ = '0';
    out = std::to_chars(out, buffer.data() + buffer.size(), magnitude).ptr;
  }
  return std::string(buffer.data(), out);
}

// The powers of ten that are exact doubles: 10^0 to 10^22.
constexpr int kExactPowers = 22;
constexpr std::array<double, kExactPowers + 1> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The longest pattern text: 309 integer digits, ".", the decimals, and a sign.
constexpr int kMaxDecimals = 64;
using PatternBuffer = std::array<char, 320 + kMaxDecimals>;

// The program never shows an infinite or not-a-number value; should a caller pass one, it gets
// a text that reads as no number at all.
std::string NonFiniteText(double x) {
  if (std::isnan(x)) return "NaN";
  return x < 0 ? "-Infinity" : "Infinity";
}

// The magnitude of x as 15 significant digits, then rounded to `decimals` places with halves
// away from zero; no digit at all when that is zero. x is finite, decimals 0 to kMaxDecimals.
DecimalDigits RoundToPlaces(double x, int decimals) {
  DecimalDigits d;
  if (x != 0) {
    d = RoundToSignificant15(std::fabs(x));
    d.RoundAtPlace(-decimals);
  }
  return d;
}

// Writes RoundToPattern(x, pattern with `decimals` decimals) into `buffer`; gives its end.
// x is finite.
char* WritePattern(double x, int decimals, PatternBuffer& buffer) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  char* out = buffer.data();
  DecimalDigits d = RoundToPlaces(x, decimals);
  if (d.count > 0 && x < 0) *out++ = '-';
  if (d.count == 0) d.exponent = 0;  // the zero writes as "0.000..."
  out = WritePlaces(d, std::max(d.exponent, 0), 0, out);
  *out++ = '.';
  return WritePlaces(d, -1, -decimals, out);
}

// A number text's leading significant digits, rounded to a count of them.
struct ShortDigits {
  DecimalDigits digits;  // no digit at all for a zero
  bool negative = false;
  bool exact = true;  // no non-zero digit was dropped
};

// The digits of a text ParseSyntax accepted, rounded to `count` significant ones (1 to
// kMaxShortDigits) with halves away from zero: only the first digit dropped decides.
ShortDigits RoundTextDigits(const NumberSyntax& syntax, int count) {
  ShortDigits out;
  out.negative = syntax.negative;
  DecimalDigits& d = out.digits;
  for (const char* p = syntax.first; p != syntax.last && *p != 'E' && *p != 'e'; ++p) {
    if (!IsDigit(*p) || (d.count == 0 && *p == '0')) continue;
    if (d.count <= count) {
      d.digits[static_cast<std::size_t>(d.count++)] = *p;
    } else if (*p != '0') {
      out.exact = false;
      break;
    }
  }
  if (d.count == 0) return out;
  if (d.count > count && d.digits[static_cast<std::size_t>(count)] != '0') out.exact = false;
  // At most a few thousand digits and a saturated exponent: well inside an int.
  d.exponent = static_cast<int>(
      std::clamp<std::int64_t>(syntax.magnitude, -2 * kExponentLimit, 2 * kExponentLimit));
  d.RoundAtPlace(d.exponent - count + 1);
  return out;
}

// ShortNumberText of a text ParseSyntax accepted.
std::string ShortText(const NumberSyntax& syntax, int digits) {
  digits = std::clamp(digits, 1, kMaxShortDigits);
  const ShortDigits rounded = RoundTextDigits(syntax, digits);
  if (rounded.digits.count == 0) return "0";
  std::string text = DisplayText(rounded.digits, rounded.negative, digits - 1);
  return rounded.exact ? text : "\u2248" + text;
}

}  // namespace

Result<double> ReadDouble(std::string_view text) {
  NumberSyntax syntax;
  if (!ParseSyntax(text, syntax)) return Failure::Unreadable;
  double value = 0;
  const DoubleArithmetic double_arithmetic;
  const auto [ptr, ec] = std::from_chars(syntax.first, syntax.last, value);
  if (ec == std::errc::result_out_of_range) {
    if (syntax.magnitude > 0) return Failure::Overflow;
    value = 0;  // too small to represent
  } else if (ec != std::errc() || ptr != syntax.last) {
    return Failure::Unreadable;
  }
  return syntax.negative ? -value : value;
}

Result<float> ReadSingle(std::string_view text) {
  const Result<double> wide = ReadDouble(text);
  if (!wide) return wide.error();
  const float narrow = Stored(static_cast<float>(*wide));
  if (!std::isfinite(narrow)) return Failure::Overflow;
  return narrow;
}

int PatternDecimals(std::string_view pattern) {
  const std::size_t point = pattern.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

std::string RoundToPattern(double x, std::string_view pattern) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  PatternBuffer buffer;
  char* const end = WritePattern(x, PatternDecimals(pattern), buffer);
  return std::string(buffer.data(), end);
}

Result<RoundedValue> RoundForDisplay(double x, int decimals) {
  if (!std::isfinite(x)) return Failure::Overflow;
  DecimalDigits d = RoundToPlaces(x, std::clamp(decimals, 0, kMaxDecimals));
  d.DropTrailingZeros();
  if (d.count == 0) return RoundedValue{0, "0"};  // the pattern text of a rounded zero is unsigned

  // The rounded decimal, read as ReadDouble would read the pattern text.
  const int scale = d.exponent - d.count + 1;  // the power of ten of the last digit
  double value = 0;
  if (scale >= -kExactPowers && scale <= kExactPowers) {
    // At most 15 digits make an exact double, and so is the power of ten: one correctly rounded
    // operation gives the nearest double.
    std::uint64_t integer = 0;
    for (int i = 0; i < d.count; ++i) {
      integer =
          integer * 10 + static_cast<std::uint64_t>(d.digits[static_cast<std::size_t>(i)] - '0');
    }
    auto digits = static_cast<double>(integer);
    double power = kPowersOfTen[static_cast<std::size_t>(std::abs(scale))];
    DoubleArithmetic double_arithmetic(digits, power);
    value = double_arithmetic.Leave(scale < 0 ? digits / power : digits * power);
  } else {
    std::array<char, 48> buffer;
    char* out = std::copy_n(d.digits.data(), d.count, buffer.data());
    *out++ = 'e';
    out = std::to_chars(out, buffer.data() + buffer.size(), scale).ptr;
    const DoubleArithmetic double_arithmetic;
    const auto [ptr, ec] = std::from_chars(buffer.data(), out, value);
    if (ec == std::errc::result_out_of_range) return Failure::Overflow;
    assert(ec == std::errc() && ptr == out);
  }

  // The decimal has at most 15 significant digits and the double lies in the normal range, so the
  // double's own 15-digit form is that decimal again: its display text comes from these digits.
  return RoundedValue{x < 0 ? -value : value, DisplayText(d, x < 0, 14)};
}

std::string DoubleText(double x) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  if (x == 0) return "0";
  return DisplayText(RoundToSignificant15(std::fabs(x)), x < 0, 14);
}

std::string SingleText(float x) {
  if (!std::isfinite(x)) return NonFiniteText(static_cast<double>(x));
  if (x == 0) return "0";
  return DisplayText(RoundToSignificant(std::fabs(static_cast<double>(x)), 7), x < 0, 6);
}

Result<std::string> ShortNumberText(std::string_view text, int digits) {
  NumberSyntax syntax;
  if (!ParseSyntax(text, syntax)) return Failure::Unreadable;
  return ShortText(syntax, digits);
}

std::optional<std::string> FitNumberText(std::string_view text,
                                         const std::function<bool(std::string_view)>& fits) {
  NumberSyntax syntax;
  if (!ParseSyntax(text, syntax)) return std::nullopt;
  // A form does not shorten steadily with fewer digits (with fewer, a positional form turns into
  // a longer exponent form, and a rounding carry drops zeros), so every count is tried from the
  // most down.
  // Neighbouring counts often give one form (a text with fewer digits, dropped zeros), which is
  // measured once.
  std::string tried;
  for (int digits = kMaxShortDigits; digits >= 1; --digits) {
    std::string form = ShortText(syntax, digits);
    if (form == tried) continue;
    if (fits(form)) return form;
    tried = std::move(form);
  }
  return std::nullopt;
}

}  // namespace core
