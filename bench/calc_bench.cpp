#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "calc/number_text.h"
#include "calc/percent.h"

namespace {
std::size_t allocations = 0;
}  // namespace

// Counts heap allocations, so the report shows how many one call makes.
void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

template <typename Call>
void Measure(benchmark::State& state, Call call) {
  const std::size_t before = allocations;
  for (auto _ : state) benchmark::DoNotOptimize(call());
  state.counters["allocs/call"] = benchmark::Counter(static_cast<double>(allocations - before) /
                                                     static_cast<double>(state.iterations()));
}

void BM_ComputePercent(benchmark::State& state, const char* first, const char* second) {
  const calc::NumberFormat format;
  Measure(state, [&] { return calc::ComputePercent(first, second, format); });
}
BENCHMARK_CAPTURE(BM_ComputePercent, exact, "45", "60");
BENCHMARK_CAPTURE(BM_ComputePercent, third, "1", "3");
BENCHMARK_CAPTURE(BM_ComputePercent, scientific, "1e13", "1");

void BM_ParseLeadingNumber(benchmark::State& state, const char* text) {
  Measure(state, [&] { return calc::ParseLeadingNumber(text); });
}
BENCHMARK_CAPTURE(BM_ParseLeadingNumber, whole, "45");
BENCHMARK_CAPTURE(BM_ParseLeadingNumber, decimal, "1.25");
BENCHMARK_CAPTURE(BM_ParseLeadingNumber, exponent, "1e13");

void BM_NumberToText(benchmark::State& state, double value) {
  const calc::NumberFormat format;
  Measure(state, [&] { return calc::NumberToText(value, format); });
}
BENCHMARK_CAPTURE(BM_NumberToText, whole, 75.0);
BENCHMARK_CAPTURE(BM_NumberToText, hundredths, 33.33);
BENCHMARK_CAPTURE(BM_NumberToText, third, 1.0 / 3);
BENCHMARK_CAPTURE(BM_NumberToText, scientific, 1e15);

}  // namespace
