// Prints what the core makes of one entry; the test compares the line.
#include <cstdio>

#include "core/number_text.h"

int main() {
  const core::Result<double> value = core::ReadDouble("0.000011574");
  if (!value) return 1;
  std::puts(core::DoubleText(*value).c_str());
  return 0;
}
