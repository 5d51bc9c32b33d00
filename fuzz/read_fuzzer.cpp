// Arbitrary bytes into the readings and the temperature entry test.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/temperature.h"
#include "fuzz_check.h"

namespace {

// The entry test by its definition: characters counted, positions ignored.
bool ValidByCount(std::string_view text) {
  if (text == "-" || text == ".") return false;
  std::size_t points = 0, minus = 0, valid = 0;
  for (const char c : text) {
    points += c == '.';
    minus += c == '-';
    valid += (c >= '0' && c <= '9') || c == '.' || c == '-';
  }
  return valid == text.size() && points <= 1 && minus <= 1;
}

std::string FifteenDigits(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  return buffer;
}

// The C library's reading of the same number: spaces trimmed, a trailing sign moved to the front
// and an exponent marker without digits dropped, so that strtod sees its own grammar.
std::optional<double> LibraryReading(std::string_view text) {
  std::string s(text);
  s.erase(0, s.find_first_not_of(' '));
  s.erase(s.find_last_not_of(' ') + 1);
  const auto is_marker = [](char c) { return c == 'e' || c == 'E'; };
  const auto is_sign = [](char c) { return c == '-' || c == '+'; };
  // A sign right after the marker belongs to the exponent; any other last sign trails the number.
  if (s.size() >= 2 && is_sign(s.back()) && !is_marker(s[s.size() - 2])) {
    s.insert(s.begin(), s.back());
    s.pop_back();
  }
  if (!s.empty() && is_sign(s.back()) && s.size() >= 2 && is_marker(s[s.size() - 2])) s.pop_back();
  if (!s.empty() && is_marker(s.back())) s.pop_back();
  char* end = nullptr;
  const double value = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size()) return std::nullopt;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const core::Result<double> wide = core::ReadDouble(text);
  const core::Result<float> narrow = core::ReadSingle(text);
  FUZZ_CHECK(core::IsValidEntry(text) == ValidByCount(text));

  if (wide) {
    FUZZ_CHECK(std::isfinite(*wide));
    // The value is the one the C library reads, correctly rounded, in the "C" locale.
    const std::optional<double> library = LibraryReading(text);
    FUZZ_CHECK(library && std::memcmp(&*library, &*wide, sizeof(double)) == 0);
    // The display text of what was read reads back to the same 15 digits, but for the doubles
    // next to the largest one, whose 15-digit form lies above it. Zero shows without its sign.
    const core::Result<double> again = core::ReadDouble(core::DoubleText(*wide));
    if (again) {
      FUZZ_CHECK(FifteenDigits(*again) == FifteenDigits(*wide + 0.0));
    } else {
      FUZZ_CHECK(again.error() == core::Failure::Overflow &&
                 std::fabs(*wide) > 1.79769313486231e308);
    }
  }
  // A box too narrow for the text draws it in fewer digits: a form exactly for the texts of the
  // grammar, itself one after its mark, and within half a unit of its last digit.
  const int digits = 1 + static_cast<int>(size % core::kMaxShortDigits);
  const core::Result<std::string> form = core::ShortNumberText(text, digits);
  FUZZ_CHECK(form.has_value() == (wide || wide.error() == core::Failure::Overflow));
  if (form) {
    const core::Result<double> shown =
        core::ReadDouble(form->substr(form->starts_with("\u2248") ? 3 : 0));
    FUZZ_CHECK(shown || shown.error() == core::Failure::Overflow);
    if (wide && shown && std::fabs(*wide) >= 1e-300) {
      FUZZ_CHECK(std::fabs(*shown - *wide) <=
                 std::fabs(*wide) * (0.5 * std::pow(10.0, 1 - digits) + 1e-15));
    }
  }
  if (narrow) {
    FUZZ_CHECK(std::isfinite(*narrow));
    FUZZ_CHECK(wide && static_cast<float>(*wide) == *narrow);
  } else {
    // The single reading fails exactly when the double one does or the single is out of range.
    FUZZ_CHECK(!wide || std::isinf(static_cast<float>(*wide)));
    FUZZ_CHECK(wide || narrow.error() == wide.error());
  }
  return 0;
}
