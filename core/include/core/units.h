// The five categories, and the four linear ones as data: each unit's caption, name and factor,
// and the conversion between two units of one category.
#ifndef CORE_UNITS_H_
#define CORE_UNITS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/result.h"

namespace core {

// The categories in the order the window offers them; kLinearCategories keeps it.
enum class Category { Length, Time, Mass, Temperature, Area };
inline constexpr int kCategoryCount = static_cast<int>(Category::Area) + 1;

// Entry i is the number of units i in one base unit of the category.
using FactorTable = std::array<double, 9>;

struct Unit {
  std::string_view caption;  // the label beside the unit's box: "yd=", "µm=", "in"
  std::string_view name;     // the unit in words, plural: "yards"
  double factor;             // units in one base unit of the category
};

struct LinearCategory {
  Category category;
  std::string_view name;  // "Length"
  int decimals;           // places every converted value is rounded to
  std::array<Unit, 9> units;
};

// The stored factors are the program's own rounded values, not the exact ones that follow from
// the unit definitions: one yard converts to 35.9999999 inches and one pound to 15.99999999
// ounces. Every shown result depends on these exact doubles.

inline constexpr LinearCategory kLength{Category::Length,
                                        "Length",
                                        7,
                                        {{{"yd=", "yards", 1.0936133},
                                          {"m=", "metres", 1},  // the base unit
                                          {"cm=", "centimetres", 100},
                                          {"mm=", "millimetres", 1000},
                                          {"\u00B5m=", "micrometres", 1000000},
                                          {"nm=", "nanometres", 1000000000},
                                          {"Mi=", "miles", 0.000621371},  // six digits only
                                          {"ft=", "feet", 3.2808399},
                                          {"in", "inches", 39.3700787}}}};

// Per second: one divided by the seconds in the unit, as the division rounds it (999999999.9999999
// nanoseconds). The month is a twelfth of the year, to two decimals.
inline constexpr LinearCategory kTime{Category::Time,
                                      "Time",
                                      9,
                                      {{{"yr=", "years", 1 / 31556926.0},
                                        {"wk=", "weeks", 1 / 604800.0},
                                        {"mo=", "months", 1 / 2629743.83},
                                        {"d=", "days", 1 / 86400.0},
                                        {"hr=", "hours", 1 / 3600.0},
                                        {"min=", "minutes", 1 / 60.0},
                                        {"s=", "seconds", 1},  // the base unit
                                        {"ms=", "milliseconds", 1 / 0.001},
                                        {"ns", "nanoseconds", 1 / 0.000000001}}}};

inline constexpr LinearCategory kMass{Category::Mass,
                                      "Mass",
                                      8,
                                      {{{"t.l=", "long tons", 0.000984206528},
                                        {"t.s=", "short tons", 0.00110231131},
                                        {"t=", "metric tons", 0.001},
                                        {"lb=", "pounds", 2.20462262},
                                        {"oz=", "ounces", 35.2739619},
                                        {"kg=", "kilograms", 1},  // the base unit
                                        {"g=", "grams", 1000},
                                        {"mg=", "milligrams", 1000000},
                                        {"ct", "carats", 5000}}}};

inline constexpr LinearCategory kArea{
    Category::Area,
    "Area",
    9,
    {{{"ac=", "acres", 0.000247104393},
      {"ha=", "hectares", 0.00010000000121406},  // deliberately not 0.0001
      {"km\u00B2=", "square kilometres", 0.000001},
      {"yd\u00B2=", "square yards", 1.1959900460898},
      {"m\u00B2=", "square metres", 1},  // the base unit
      {"ft\u00B2=", "square feet", 10.763910560681},
      {"in\u00B2=", "square inches", 1550.0030998884},
      {"cm\u00B2=", "square centimetres", 10000},
      {"mm\u00B2", "square millimetres", 1000000}}}};

// Length, Time, Mass, Area: the linear categories in the order of Category.
inline constexpr std::array<LinearCategory, 4> kLinearCategories{kLength, kTime, kMass, kArea};

// The data of a linear category; nothing for Temperature.
constexpr const LinearCategory* FindLinear(Category category) {
  for (const LinearCategory& linear : kLinearCategories) {
    if (linear.category == category) return &linear;
  }
  return nullptr;
}

// The nine factors of a category, in unit order.
constexpr FactorTable Factors(const LinearCategory& category) {
  FactorTable table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = category.units[i].factor;
  return table;
}

// Each writes the nine entries of its table in index order.
void SelectUnit1(FactorTable& length);  // units per metre
void SelectUnit2(FactorTable& time);    // units per second
void SelectUnit3(FactorTable& mass);    // units per kilogram
void SelectUnit4(FactorTable& area);    // units per square metre

// v units a in units i, evaluated strictly as ((1 / f[a]) * f[i]) * v in double precision.
// Overflow when the result is not finite; Unreadable when a or i lies outside 0 to 8.
//   ConvertUnits(length, 0, 7, 1) -> 3.0000000000000004   (one yard in feet)
//   ConvertUnits(length, 6, 5, 2e296) -> Failure::Overflow
Result<double> ConvertUnits(const FactorTable& table, std::int16_t a, std::int16_t i, double v);

}  // namespace core

#endif  // CORE_UNITS_H_
