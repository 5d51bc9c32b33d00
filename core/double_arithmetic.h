// Double arithmetic rounded as IEEE 754 rounds it, on every processor the core is built for.
//
// On 32-bit x86 without SSE2 arithmetic (Debian's i386 is i686, which does not assume SSE2), g++
// and clang++ compute doubles in the x87 unit, whose registers keep 64 significant bits and a
// wider exponent. A product or quotient is then rounded to 64 bits and again to 53 when it is
// stored, or not to 53 at all while it stays in a register; either can change its last bit, and
// a last bit can carry a converted value across a rounding boundary of the number texts. So on
// the x87:
// - DoubleArithmetic sets the precision to 53 bits from its operands to the result it leaves
//   with: every result is then rounded once, as SSE2 and every other processor round it,
//   wherever it lies in the double's normal range. The scope covers the core's own operations
//   and the standard library's reading of decimals, whose short path multiplies the same way;
// - Stored() brings a result into the double's or the single's exponent range before it is
//   tested or narrowed; a register would still hold an overflowed value as finite;
// - ExactProduct() also rounds once a product that falls among the subnormals, where a 53-bit
//   register value would be rounded a second time, to the fewer bits left there.
// Elsewhere all three do nothing, and DoubleArithmetic::Leave gives its result as it is.
//
// No compiler option does this for the core alone: g++ 12 has -fexcess-precision=standard for C
// only, -ffloat-store still rounds twice, -mpc64 sets the precision for the whole program at
// start-up (Qt and the C library with it) and is lost when another program links the core, and
// -mfpmath=sse needs SSE2.
#ifndef CORE_DOUBLE_ARITHMETIC_H_
#define CORE_DOUBLE_ARITHMETIC_H_

#include <cfloat>
#include <cmath>
#include <limits>

#if defined(__i386__) && !defined(__SSE2_MATH__)
#define CORE_X87_ARITHMETIC 1
#endif

// The test above must agree with how the compiler evaluates doubles: in the x87's registers (2),
// or in their own type (0, or 1 where floats are evaluated as doubles). Any other way, such as
// floats in SSE and doubles in the x87, is one this header does not round for.
#ifdef CORE_X87_ARITHMETIC
static_assert(FLT_EVAL_METHOD == 2, "x87 arithmetic evaluates doubles as long double");
#else
static_assert(FLT_EVAL_METHOD == 0 || FLT_EVAL_METHOD == 1, "doubles evaluated with excess range");
#endif

namespace core {

#ifdef CORE_X87_ARITHMETIC

// The x87's precision for a scope: the precision field of its control word, bits 8 and 9 (Intel
// 64 and IA-32 Architectures Software Developer's Manual, volume 1, 8.1.5.2).
//
// A compiler knows nothing of the control word, so a "memory" clobber alone would not keep
// arithmetic on values held in registers on the right side of fldcw. Each operand therefore
// passes through an asm that reads the new control word after it is loaded, and the result
// through the asm that loads the old one back: the arithmetic depends on the first and the
// second depends on it. Values read from memory that may change (a table, the standard library's
// output) are ordered by the "memory" clobber.
//   X87Precision scope(X87Precision::k53Bits, x, y);
//   return scope.Leave(x * y);
class X87Precision {
 public:
  static constexpr unsigned kField = 0x300;
  static constexpr unsigned k53Bits = 0x200;
  static constexpr unsigned k64Bits = 0x300;

  template <typename... Operands>
  explicit X87Precision(unsigned bits, Operands&... operands) {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_) : : "memory");
    control_ = static_cast<unsigned short>((saved_ & ~kField) | bits);
    __asm__ __volatile__("fldcw %0" : "+m"(control_) : : "memory");
    (Tie(operands), ...);
  }
  ~X87Precision() {
    if (!left_) Restore();
  }
  X87Precision(const X87Precision&) = delete;
  X87Precision& operator=(const X87Precision&) = delete;

  // Sets the precision back once `result` is computed, and gives it, stored.
  template <typename Floating>
  Floating Leave(Floating result) {
    __asm__ __volatile__("fldcw %1" : "+m"(result) : "m"(saved_) : "memory");
    left_ = true;
    return result;
  }

 private:
  template <typename Floating>
  void Tie(Floating& operand) const {
    __asm__ __volatile__("" : "+m"(operand) : "m"(control_));
  }
  void Restore() { __asm__ __volatile__("fldcw %0" : : "m"(saved_) : "memory"); }

  unsigned short saved_ = 0;
  unsigned short control_ = 0;
  bool left_ = false;
};

// 53 bits: every result is rounded once to a double.
class DoubleArithmetic : public X87Precision {
 public:
  template <typename... Operands>
  explicit DoubleArithmetic(Operands&... operands) : X87Precision(k53Bits, operands...) {}
};

// A store to memory rounds to the type's own range; volatile keeps the compiler from skipping it.
template <typename Floating>
Floating Stored(Floating x) {
  volatile Floating stored = x;
  return stored;
}

// a * b rounded once to double, within a DoubleArithmetic scope. A product stored above the
// smallest normal double is the 53-bit one, which is rounded once. The smallest normal itself
// may be the halfway point below it, rounded up to even by the store, so it goes the subnormals'
// way. Below the smallest normal the product is scaled into the x87's own subnormals, whose
// spacing, 2^-16445, is the double's, 2^-1074, times 2^-15371: there the x87 rounds it once, at
// 64 bits' precision, as IEEE 754 rounds subnormals, and scaling back is exact. Each step is
// stored, so that no compiler rewrites the steps into one double multiplication.
//   ExactProduct(0x1.ffffffffffffdp-1, 0x1.0000000000001p-1022) -> 0x0.fffffffffffffp-1022
inline double ExactProduct(double a, double b) {
  const double product = Stored(a * b);
  if (std::fabs(product) > std::numeric_limits<double>::min()) return product;
  constexpr long double kToX87Subnormals = 0x1p-15371L;
  constexpr long double kFromX87Subnormals = 0x1p15371L;
  X87Precision extended(X87Precision::k64Bits, a, b);
  const long double scaled = Stored(static_cast<long double>(a) * kToX87Subnormals);
  const long double rounded = Stored(scaled * static_cast<long double>(b));
  return extended.Leave(static_cast<double>(rounded * kFromX87Subnormals));
}

#else

class DoubleArithmetic {
 public:
  template <typename... Operands>
  explicit DoubleArithmetic(Operands&... /*operands*/) {}
  template <typename Floating>
  Floating Leave(Floating result) {
    return result;
  }
};

template <typename Floating>
Floating Stored(Floating x) {
  return x;
}

inline double ExactProduct(double a, double b) {
  return a * b;
}

#endif

}  // namespace core

#endif  // CORE_DOUBLE_ARITHMETIC_H_
