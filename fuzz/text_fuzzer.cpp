// Arbitrary doubles and singles into the pattern rounding and the display texts.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace {

std::string Digits(double x, int significant) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, x);
  return buffer;
}

void CheckPattern(double x, int decimals) {
  const std::string pattern = "###0." + std::string(static_cast<std::size_t>(decimals), '0');
  const std::string text = core::RoundToPattern(x, pattern);
  const std::size_t point = text.find('.');
  FUZZ_CHECK(point != std::string::npos);
  FUZZ_CHECK(text.size() - point - 1 == static_cast<std::size_t>(decimals));
  FUZZ_CHECK(text.find_first_not_of("-0123456789.") == std::string::npos);
  FUZZ_CHECK(text.rfind('-') == std::string::npos || text.rfind('-') == 0);
  FUZZ_CHECK(text[0] != '-' || text.find_first_of("123456789") != std::string::npos);

  // Reading it back succeeds, but for the doubles whose 15-digit form exceeds the largest one.
  const core::Result<double> back = core::ReadDouble(text);
  FUZZ_CHECK(back ||
             (back.error() == core::Failure::Overflow && std::fabs(x) > 1.7976931348623e308));
  const core::Result<core::RoundedValue> shown = core::RoundForDisplay(x, decimals);
  FUZZ_CHECK(back.has_value() == shown.has_value());
  if (back) {
    // Never further from x than half the last decimal plus what the 15 digits dropped.
    FUZZ_CHECK(std::fabs(*back - x) <= 0.5 * std::pow(10.0, -decimals) + std::fabs(x) * 1e-14);
    FUZZ_CHECK(shown->value == *back && shown->text == core::DoubleText(*back));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 8) return 0;
  double x;
  std::memcpy(&x, data, sizeof x);
  if (std::isfinite(x)) {
    const std::string text = core::DoubleText(x);
    const core::Result<double> back = core::ReadDouble(text);
    if (back) {
      FUZZ_CHECK(Digits(*back, 15) == Digits(x + 0.0, 15));  // zero shows without its sign
    } else {
      // Only the doubles next to the largest one have a 15-digit form above it.
      FUZZ_CHECK(back.error() == core::Failure::Overflow && std::fabs(x) > 1.79769313486231e308);
    }
    FUZZ_CHECK(text.size() <= 22);
    for (const int decimals : {7, 8, 9}) CheckPattern(x, decimals);
  }
  if (size >= 12) {
    float f;
    std::memcpy(&f, data + 8, sizeof f);
    if (std::isfinite(f)) {
      const core::Result<double> back = core::ReadDouble(core::SingleText(f));
      FUZZ_CHECK(back && Digits(*back, 7) == Digits(static_cast<double>(f) + 0.0, 7));
    }
  }
  return 0;
}
