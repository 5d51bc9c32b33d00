#include "core/units.h"

#include <cmath>

#include "double_arithmetic.h"

namespace core {

void SelectUnit1(FactorTable& length) {
  length = Factors(kLength);
}

void SelectUnit2(FactorTable& time) {
  time = Factors(kTime);
}

void SelectUnit3(FactorTable& mass) {
  mass = Factors(kMass);
}

void SelectUnit4(FactorTable& area) {
  area = Factors(kArea);
}

Result<double> ConvertUnits(const FactorTable& table, std::int16_t a, std::int16_t i, double v) {
  // An index outside the table names no unit: there is nothing to convert.
  if (a < 0 || a > 8 || i < 0 || i > 8) return Failure::Unreadable;
  // The reciprocal first: the other orders differ in the last bit, which can move a result across
  // a rounding boundary of the pattern.
  double from = table[static_cast<std::size_t>(a)];
  double to = table[static_cast<std::size_t>(i)];
  DoubleArithmetic double_arithmetic(from, to, v);
  double q = 1 / from;
  q = q * to;
  q = double_arithmetic.Leave(ExactProduct(q, v));  // the one step whose result can be subnormal
  if (!std::isfinite(q)) return Failure::Overflow;
  return q;
}

}  // namespace core
