#include "core/linear_fill.h"

#include "core/number_text.h"

namespace core {

Result<LinearFill> FillFrom(const LinearCategory& category, std::int16_t active,
                            std::string_view active_text) {
  const Result<double> source = ReadDouble(active_text);
  if (!source) return source.error();
  const FactorTable table = Factors(category);

  LinearFill fill;
  fill.source_value = *source;
  for (std::int16_t i = 0; i < 9; ++i) {
    if (i == active) continue;
    const Result<double> converted = ConvertUnits(table, active, i, *source);
    if (!converted) return converted.error();
    Result<RoundedValue> rounded = RoundForDisplay(*converted, category.decimals);
    if (!rounded) return rounded.error();
    fill.converted_value = rounded->value;
    fill.texts[static_cast<std::size_t>(i)] = std::move(rounded.value().text);
  }
  return fill;
}

}  // namespace core
