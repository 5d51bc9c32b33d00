// One fill of a linear panel: the texts of the eight other boxes when one box holds a number.
#ifndef CORE_LINEAR_FILL_H_
#define CORE_LINEAR_FILL_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/result.h"
#include "core/units.h"

namespace core {

struct LinearFill {
  double source_value = 0;     // the active box's number
  double converted_value = 0;  // the last box's value, after rounding
  // texts[i] for every i but the active index, whose entry stays empty.
  std::array<std::string, 9> texts;
};

// Reads `active_text`, and for each other index i in ascending order converts it with the
// category's factors, rounds it through the category's pattern and makes the display text.
// Fails, giving no texts at all, when the text cannot be read or any step overflows.
//   FillFrom(kLength, 7, "5") -> texts "1.6666667", "1.524", ..., "59.9999998"
//   FillFrom(kLength, 1, "abc") -> Failure::Unreadable
Result<LinearFill> FillFrom(const LinearCategory& category, std::int16_t active,
                            std::string_view active_text);

}  // namespace core

#endif  // CORE_LINEAR_FILL_H_
