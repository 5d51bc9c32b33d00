// The four linear categories: their factor tables, the conversion between two units of one
// category, and the data the window shows for each.
#ifndef CORE_UNITS_H_
#define CORE_UNITS_H_

#include <array>
#include <cstdint>
#include <string_view>

#include "core/number_text.h"

namespace core {

// Entry i is the number of units i in one base unit of the category.
using FactorTable = std::array<double, 9>;

// Each writes the nine entries of its table in index order.
void SelectUnit1(FactorTable& length);  // units per metre
void SelectUnit2(FactorTable& time);    // units per second, divided out at every call
void SelectUnit3(FactorTable& mass);    // units per kilogram
void SelectUnit4(FactorTable& area);    // units per square metre

// v units a in units i, evaluated strictly as ((1 / f[a]) * f[i]) * v in double precision.
// Overflow when the result is not finite; Unreadable when a or i lies outside 0 to 8.
//   ConvertUnits(length, 0, 7, 1) -> 3.0000000000000004   (one yard in feet)
//   ConvertUnits(length, 6, 5, 2e296) -> Failure::Overflow
Result<double> ConvertUnits(const FactorTable& table, std::int16_t a, std::int16_t i, double v);

struct Unit {
  std::string_view caption;  // the label beside the unit's box: "yd=", "µm=", "in"
  std::string_view name;     // the unit in words, plural: "yards"
};

// What the window needs to know of one linear category.
struct LinearCategory {
  std::string_view name;     // "Length": its frame, its button and their captions
  std::string_view boxes;    // the box array, "Length1"
  std::string_view labels;   // the label array, "LabelLength"
  std::string_view pattern;  // the rounding pattern, "###0.0000000"
  void (*select_unit)(FactorTable&);
  std::array<Unit, 9> units;
};

// Length, Time, Mass, Area: the order of their buttons.
extern const std::array<LinearCategory, 4> kLinearCategories;

}  // namespace core

#endif  // CORE_UNITS_H_
