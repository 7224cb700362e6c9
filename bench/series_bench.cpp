// The kernel in both arithmetics, the literal kernel it must beat, and
// Boost.Math's and libRmath's noncentral chi-square densities, timed on the
// same workloads in one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "competitors.h"
#include "literal_series.h"
#include "ratio_reporter.h"
#include "series_variants.h"
#include "workloads.h"

namespace kelvaro::bench {
namespace {

using Implementation = std::function<void(const Workload&, double*)>;
using SeriesFunction = SeriesStatus (*)(const double*, const double*, double,
                                        double*, std::int32_t, std::int32_t,
                                        double, double);

Implementation kernel(SeriesFunction evaluate) {
  return [evaluate](const Workload& w, double* density) {
    const SeriesStatus status =
        evaluate(w.x.data(), w.lambda.data(), w.df, density, w.max_sum,
                 static_cast<std::int32_t>(w.x.size()), w.tol, w.log_norm0);
    benchmark::DoNotOptimize(status);
  };
}

void time_densities(benchmark::State& state, const Workload& w,
                    const Implementation& implementation) {
  std::vector<double> density(w.x.size());
  for (auto _ : state) {
    implementation(w, density.data());
    benchmark::DoNotOptimize(density.data());
    benchmark::ClobberMemory();
  }
  // Counted in billions, as rates, inverted: nanoseconds per sample / term.
  const auto per_one = benchmark::Counter::kIsIterationInvariantRate |
                       benchmark::Counter::kInvert;
  state.counters["ns_per_sample"] =
      benchmark::Counter(static_cast<double>(w.x.size()) * 1e-9, per_one);
  state.counters["ns_per_term"] =
      benchmark::Counter(static_cast<double>(w.terms) * 1e-9, per_one);
}

void register_all() {
  const std::vector<std::pair<std::string, Implementation>> implementations {
    {"kelvaro_double", kernel(evaluate_series_double)},
        // The kernel one term at a time: what hoisting and the lazy table give
        // without SIMD.
        {"kelvaro_double_scalar", kernel([](auto... arguments) {
           return evaluate_series_double_on(TermPath::scalar, arguments...);
         })},
        {"literal_double", kernel(literal::series_double)},
#if KELVARO_HAS_EXTENDED
        {"kelvaro_extended", kernel(evaluate_series_extended)},
        {"literal_extended", kernel(literal::series_extended)},
#endif
        {"rmath", rmath_densities}, {"boost", boost_densities},
  };
  for (const Workload& w : workloads()) {
    for (const auto& [name, implementation] : implementations) {
      benchmark::RegisterBenchmark(
          (w.name + "/" + name).c_str(),
          [&w, implementation = implementation](benchmark::State& state) {
            time_densities(state, w, implementation);
          })
          ->Unit(benchmark::kMillisecond)
          ->ComputeStatistics("min", [](const std::vector<double>& values) {
            return *std::min_element(values.begin(), values.end());
          });
    }
  }
}

}  // namespace
}  // namespace kelvaro::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  kelvaro::bench::register_all();
  kelvaro::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
