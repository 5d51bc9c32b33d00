// The core sets the x87's precision around its own arithmetic only: whatever the caller had set
// (Qt and the C library keep 64 bits on Linux, Windows sets 53), a core call leaves it so.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <ios>

#include "core/number_text.h"
#include "core/temperature.h"
#include "core/units.h"

// Debian's i386 assumes no SSE2, so its build computes doubles in the x87: were it built with
// SSE2 arithmetic, the suites run under qemu-i386 would check nothing of the x87 path.
#ifdef __i386__
static_assert(FLT_EVAL_METHOD == 2, "the i386 build computes doubles in the x87 unit");
#endif

namespace core {
namespace {

#ifdef __i386__
constexpr FactorTable kLengthFactors = Factors(kLength);

std::uint16_t ControlWord() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
  return word;
}

void SetControlWord(std::uint16_t word) {
  __asm__ __volatile__("fldcw %0" : : "m"(word) : "memory");
}
#endif

TEST(X87ControlWord, EveryCoreCallLeavesItAsItFoundIt) {
#ifndef __i386__
  GTEST_SKIP() << "doubles are not computed in the x87 here";
#else
  struct Call {
    const char* name;
    void (*call)();
  };
  // Each way out of a scope: the result left with, an early return, the nested 64-bit scope.
  const Call calls[] = {
      {"read", [] { (void)ReadDouble("2403593112448452e11"); }},
      {"read too large", [] { (void)ReadDouble("1e999"); }},
      {"convert", [] { (void)ConvertUnits(kLengthFactors, 0, 8, 1); }},
      {"convert into the subnormals", [] { (void)ConvertUnits(kLengthFactors, 2, 1, 2.2e-306); }},
      {"round through a power of ten", [] { (void)RoundForDisplay(0.30000000000000004, 7); }},
      {"round through the library", [] { (void)RoundForDisplay(1e300, 7); }},
      {"temperature", [] { (void)FahrenheitToKelvin(98.6f); }},
  };
  // What Linux and Windows set: 64 bits and 53, rounding to nearest.
  const std::uint16_t callers[] = {0x037f, 0x027f};
  const std::uint16_t original = ControlWord();
  for (const std::uint16_t caller : callers) {
    for (const Call& c : calls) {
      SetControlWord(caller);
      c.call();
      const std::uint16_t after = ControlWord();
      SetControlWord(original);
      EXPECT_EQ(caller, after) << std::hex << c.name << " from " << caller;
    }
  }
#endif
}

}  // namespace
}  // namespace core
