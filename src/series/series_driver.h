// The walk over the series, shared by both arithmetics: start index, upward
// pass, MAX_SUM warning, downward pass, halving. The arithmetic decides how
// each value is rounded, the walk how the terms of a pass are computed.
#pragma once

#include <cmath>
#include <cstdint>

#include "call_constants.h"
#include "evaluate_series.h"
#include "floating_point_scope.h"
#include "host_text.h"
#include "log_norm_table.h"
#include "sample_sum.h"

namespace kelvaro {

inline constexpr char max_sum_warning[] =
    "adding up of infinite sum is stopped because MAX_SUM is reached at "
    "sample point:";

// k_start = ceil(E) clamped to [0, MAX_SUM]; NaN gives 0, +inf MAX_SUM.
inline std::int32_t start_index(double estimate, std::int32_t max_sum,
                                double max_sum_as_double) {
  const double ceiling = std::ceil(estimate);
  if (std::isnan(ceiling) || ceiling < 0) return 0;
  if (ceiling >= max_sum_as_double) return max_sum;
  return static_cast<std::int32_t>(ceiling);
}

// make_walk(table, max_sum, tol, two_tol) gives the walk of the call's
// samples (series_walk.h, vector_walk.h).
template <class Arithmetic, class MakeWalk>
SeriesStatus evaluate_series_in(MakeWalk make_walk, const double* x,
                                const double* lambda, double df,
                                double* density, std::int32_t MAX_SUM,
                                std::int32_t sample_count, double tol,
                                double log_norm0) {
  const std::int32_t max_sum = MAX_SUM < 0 ? 0 : MAX_SUM;
  LogNormTable<Arithmetic> table;
  if (!table.allocate(max_sum)) return SeriesStatus::out_of_memory;
  FloatingPointScope<Arithmetic> scope;
  table.start(log_norm0, df);
  if (sample_count <= 0) return SeriesStatus::ok;

  const CallConstants constants = Arithmetic::call_constants(df, max_sum, tol);
  auto walk = make_walk(table, max_sum, tol, constants.two_tol);
  // What a sample's walk needs is formed one sample ahead, so that its
  // logarithms are under way before the branches that end the walk of the
  // sample before it.
  struct Prepared {
    std::int32_t k_start;
    typename Arithmetic::Sample sample;
  };
  const auto prepare = [&](std::int32_t i) {
    const double estimate =
        Arithmetic::start_estimate(x[i], lambda[i], constants);
    return Prepared{start_index(estimate, max_sum, constants.max_sum),
                    Arithmetic::sample(x[i], lambda[i], df)};
  };
  Prepared next = prepare(0);
  for (std::int32_t i = 0; i < sample_count; ++i) {
    const Prepared current = next;
    if (i + 1 < sample_count) next = prepare(i + 1);
    const std::int32_t k_start = current.k_start;
    // Both passes run before the warning rather than around it: nothing in
    // between can be observed, and the messages keep their order.
    const SampleSum terms = walk.sum_sample(current.sample, k_start);
    if (terms.upward_end - 1 == max_sum) {
      scope.with_caller_environment([i] {
        mexWarnMsgTxt(max_sum_warning);
        mexPrintf("%d \n", static_cast<int>(i));
      });
    }
    density[i] = Arithmetic::halve(terms.sum);
  }
  return SeriesStatus::ok;
}

}  // namespace kelvaro
