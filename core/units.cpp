#include "core/units.h"

#include <cmath>

namespace core {

// The stored factors are the program's own rounded values, not the exact ones that follow from
// the unit definitions: one yard converts to 35.9999999 inches and one pound to 15.99999999
// ounces. Every shown result depends on these exact doubles.

void SelectUnit1(FactorTable& length) {
  length[0] = 1.0936133;    // yards
  length[1] = 1;            // metres
  length[2] = 100;          // centimetres
  length[3] = 1000;         // millimetres
  length[4] = 1000000;      // micrometres
  length[5] = 1000000000;   // nanometres
  length[6] = 0.000621371;  // miles, six significant digits
  length[7] = 3.2808399;    // feet
  length[8] = 39.3700787;   // inches
}

void SelectUnit2(FactorTable& time) {
  // Seconds in one unit; the month is a twelfth of the year, to two decimals. The factors are
  // the quotients as divided here, e.g. 999999999.9999999 nanoseconds per second.
  time[0] = 1 / 31556926.0;   // years
  time[1] = 1 / 604800.0;     // weeks
  time[2] = 1 / 2629743.83;   // months
  time[3] = 1 / 86400.0;      // days
  time[4] = 1 / 3600.0;       // hours
  time[5] = 1 / 60.0;         // minutes
  time[6] = 1;                // seconds
  time[7] = 1 / 0.001;        // milliseconds
  time[8] = 1 / 0.000000001;  // nanoseconds
}

void SelectUnit3(FactorTable& mass) {
  mass[0] = 0.000984206528;  // long tons
  mass[1] = 0.00110231131;   // short tons
  mass[2] = 0.001;           // metric tons
  mass[3] = 2.20462262;      // pounds
  mass[4] = 35.2739619;      // ounces
  mass[5] = 1;               // kilograms
  mass[6] = 1000;            // grams
  mass[7] = 1000000;         // milligrams
  mass[8] = 5000;            // carats
}

void SelectUnit4(FactorTable& area) {
  area[0] = 0.000247104393;       // acres
  area[1] = 0.00010000000121406;  // hectares, deliberately not 0.0001
  area[2] = 0.000001;             // square kilometres
  area[3] = 1.1959900460898;      // square yards
  area[4] = 1;                    // square metres
  area[5] = 10.763910560681;      // square feet
  area[6] = 1550.0030998884;      // square inches
  area[7] = 10000;                // square centimetres
  area[8] = 1000000;              // square millimetres
}

Result<double> ConvertUnits(const FactorTable& table, std::int16_t a, std::int16_t i, double v) {
  // An index outside the table names no unit: there is nothing to convert.
  if (a < 0 || a > 8 || i < 0 || i > 8) return Failure::Unreadable;
  // The reciprocal first: the other orders differ in the last bit, which can move a result across
  // a rounding boundary of the pattern.
  double q = 1 / table[static_cast<std::size_t>(a)];
  q = q * table[static_cast<std::size_t>(i)];
  q = q * v;
  if (!std::isfinite(q)) return Failure::Overflow;
  return q;
}

const std::array<LinearCategory, 4> kLinearCategories = {{
    {"Length",
     "Length1",
     "LabelLength",
     "###0.0000000",
     SelectUnit1,
     {{{"yd=", "yards"},
       {"m=", "metres"},
       {"cm=", "centimetres"},
       {"mm=", "millimetres"},
       {"\u00B5m=", "micrometres"},
       {"nm=", "nanometres"},
       {"Mi=", "miles"},
       {"ft=", "feet"},
       {"in", "inches"}}}},
    {"Time",
     "Time1",
     "Label7",
     "###0.000000000",
     SelectUnit2,
     {{{"yr=", "years"},
       {"wk=", "weeks"},
       {"mo=", "months"},
       {"d=", "days"},
       {"hr=", "hours"},
       {"min=", "minutes"},
       {"s=", "seconds"},
       {"ms=", "milliseconds"},
       {"ns", "nanoseconds"}}}},
    {"Mass",
     "Mass1",
     "Label8",
     "###0.00000000",
     SelectUnit3,
     {{{"t.l=", "long tons"},
       {"t.s=", "short tons"},
       {"t=", "metric tons"},
       {"lb=", "pounds"},
       {"oz=", "ounces"},
       {"kg=", "kilograms"},
       {"g=", "grams"},
       {"mg=", "milligrams"},
       {"ct", "carats"}}}},
    {"Area",
     "Area1",
     "Label10",
     "###0.000000000",
     SelectUnit4,
     {{{"ac=", "acres"},
       {"ha=", "hectares"},
       {"km\u00B2=", "square kilometres"},
       {"yd\u00B2=", "square yards"},
       {"m\u00B2=", "square metres"},
       {"ft\u00B2=", "square feet"},
       {"in\u00B2=", "square inches"},
       {"cm\u00B2=", "square centimetres"},
       {"mm\u00B2", "square millimetres"}}}},
}};

}  // namespace core
