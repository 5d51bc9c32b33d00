// A category, an active box and arbitrary text into one whole fill of a linear panel.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/linear_fill.h"
#include "core/number_text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const core::LinearCategory& category = core::kLinearCategories[data[0] % 4];
  const auto active = static_cast<std::int16_t>((data[0] >> 2) % 9);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const core::Result<core::LinearFill> fill = core::FillFrom(category, active, text);
  const core::Result<double> source = core::ReadDouble(text);
  FUZZ_CHECK(fill || !source || fill.error() == core::Failure::Overflow);
  if (!fill) return 0;
  FUZZ_CHECK(source && fill->source_value == *source);
  for (std::size_t i = 0; i < 9; ++i) {
    if (static_cast<std::int16_t>(i) == active) {
      FUZZ_CHECK(fill->texts[i].empty());
      continue;
    }
    // Every shown text is a finite number again, and shows itself.
    const core::Result<double> shown = core::ReadDouble(fill->texts[i]);
    FUZZ_CHECK(shown && std::isfinite(*shown));
    FUZZ_CHECK(core::DoubleText(*shown) == fill->texts[i]);
    // It is what the three steps give one after the other: convert, round to the pattern as
    // text, read that text back.
    const core::Result<double> converted =
        core::ConvertUnits(core::Factors(category), active, static_cast<std::int16_t>(i), *source);
    FUZZ_CHECK(converted);
    const core::Result<double> rounded =
        core::ReadDouble(core::RoundToPattern(*converted, core::Pattern(category.decimals)));
    FUZZ_CHECK(rounded && core::DoubleText(*rounded) == fill->texts[i]);
  }
  return 0;
}
