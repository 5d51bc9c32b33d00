// Figures for the number text rules and for one whole fill of a linear panel.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/linear_fill.h"
#include "core/number_text.h"

namespace {

const std::array<const char*, 6> kTexts = {
    "5", "12.5", "1523999997.68352", "0.9144", "1.23456789012346E+15", "0.000621371"};
const std::array<double, 6> kValues = {
    1.524,        0.9143999986101121, 1523999997.683520, 3.168876461541279e-08,
    1.0936133e20, 59.99999980000001};

void BM_ReadDouble(benchmark::State& state) {
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(core::ReadDouble(kTexts[k++ % kTexts.size()]));
  }
}
BENCHMARK(BM_ReadDouble);

void BM_RoundToPattern(benchmark::State& state) {
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(core::RoundToPattern(kValues[k++ % kValues.size()], "###0.0000000"));
  }
}
BENCHMARK(BM_RoundToPattern);

void BM_DoubleText(benchmark::State& state) {
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(core::DoubleText(kValues[k++ % kValues.size()]));
  }
}
BENCHMARK(BM_DoubleText);

// Read the source text, then for each of the eight other units convert, round to the pattern,
// read back and make the display text.
void BM_WholeFill(benchmark::State& state) {
  const core::LinearCategory& category =
      core::kLinearCategories[static_cast<std::size_t>(state.range(0))];
  std::size_t k = 0;
  for (auto _ : state) {
    const auto fill =
        core::FillFrom(category, static_cast<std::int16_t>(k % 9), kTexts[k % kTexts.size()]);
    benchmark::DoNotOptimize(fill);
    ++k;
  }
}
BENCHMARK(BM_WholeFill)->DenseRange(0, 3)->ArgName("category");

}  // namespace
