// Arbitrary bytes into the readings and the temperature entry test.
#include <cmath>
#include <cstdint>
#include <cstdio>
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const core::Result<double> wide = core::ReadDouble(text);
  const core::Result<float> narrow = core::ReadSingle(text);
  FUZZ_CHECK(core::IsValidEntry(text) == ValidByCount(text));

  if (wide) {
    FUZZ_CHECK(std::isfinite(*wide));
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
