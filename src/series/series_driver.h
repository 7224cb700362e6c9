// The walk over the series, shared by both arithmetics: start index, upward
// pass, MAX_SUM warning, downward pass, halving. The arithmetic decides only
// how each value is rounded.
#pragma once

#include <cmath>
#include <cstdint>

#include "evaluate_series.h"
#include "floating_point_scope.h"
#include "host_text.h"
#include "log_norm_table.h"

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

template <class Arithmetic>
class SeriesWalk {
 public:
  using Wide = typename Arithmetic::Wide;
  using Sample = typename Arithmetic::Sample;
  using Terms = typename Arithmetic::Terms;

  SeriesWalk(LogNormTable<Arithmetic>& table, const Terms& terms,
             std::int32_t max_sum, double tol, double two_tol)
      : table_(table),
        terms_(terms),
        max_sum_(max_sum),
        tol_(tol),
        two_tol_(two_tol) {}

  // Adds terms k_start, k_start + 1, ... while the previous term is above
  // tol (the first test is against the stored 2 tol, which shuts both passes
  // for tol <= 0, +inf and NaN). Terms are computed a block at a time and
  // added one by one; those of a block past the stop are never added.
  // Indices are 64-bit so that the step past MAX_SUM = 2^31 - 1 cannot wrap
  // into a negative table index. Returns the index after the last term
  // added.
  std::int64_t upward(const Sample& sample, std::int32_t k_start,
                      double& sum) const {
    std::int64_t k = k_start;
    Wide previous = two_tol_;
    Wide block[Terms::max_block];
    while (previous > tol_ && k <= max_sum_) {
      const int count = block_length(max_sum_ - k + 1);
      const double* log_norm = table_.filled_through(k + count - 1);
      terms_.compute(sample, log_norm, k, count, block);
      for (int j = 0; j < count && previous > tol_; ++j) {
        previous = block[j];
        sum = Arithmetic::accumulate(sum, previous);
        ++k;
      }
    }
    return k;
  }

  // Adds terms k_start - 1, k_start - 2, ... as upward() does; each block
  // holds the indices below the last one added, highest first.
  void downward(const Sample& sample, std::int32_t k_start, double& sum) const {
    std::int64_t k = std::int64_t{k_start} - 1;
    Wide previous = two_tol_;
    Wide block[Terms::max_block];
    while (previous > tol_ && k >= 0) {
      const int count = block_length(k + 1);
      const std::int64_t first = k - count + 1;
      terms_.compute(sample, table_.filled_through(k), first, count, block);
      for (int j = count - 1; j >= 0 && previous > tol_; --j) {
        previous = block[j];
        sum = Arithmetic::accumulate(sum, previous);
        --k;
      }
    }
  }

 private:
  // A whole block, or the indices left before the end of the table.
  int block_length(std::int64_t indices_left) const {
    const int whole = terms_.block_size();
    return indices_left < whole ? static_cast<int>(indices_left) : whole;
  }

  LogNormTable<Arithmetic>& table_;
  const Terms& terms_;
  std::int32_t max_sum_;
  double tol_;
  double two_tol_;
};

template <class Arithmetic>
SeriesStatus evaluate_series_in(const typename Arithmetic::Terms& terms,
                                const double* x, const double* lambda,
                                double df, double* density,
                                std::int32_t MAX_SUM, std::int32_t sample_count,
                                double tol, double log_norm0) {
  const std::int32_t max_sum = MAX_SUM < 0 ? 0 : MAX_SUM;
  LogNormTable<Arithmetic> table;
  if (!table.allocate(max_sum)) return SeriesStatus::out_of_memory;
  FloatingPointScope<Arithmetic> scope;
  table.start(log_norm0, df);
  if (sample_count <= 0) return SeriesStatus::ok;

  const CallConstants constants = Arithmetic::call_constants(df, max_sum, tol);
  const SeriesWalk<Arithmetic> walk(table, terms, max_sum, tol,
                                    constants.two_tol);
  for (std::int32_t i = 0; i < sample_count; ++i) {
    const double xi = x[i];
    const double lambda_i = lambda[i];
    const double estimate = Arithmetic::start_estimate(xi, lambda_i, constants);
    const std::int32_t k_start =
        start_index(estimate, max_sum, constants.max_sum);
    const auto sample = Arithmetic::sample(xi, lambda_i, df);

    double sum = 0.0;
    if (walk.upward(sample, k_start, sum) - 1 == max_sum) {
      scope.with_caller_environment([i] {
        mexWarnMsgTxt(max_sum_warning);
        mexPrintf("%d \n", static_cast<int>(i));
      });
    }
    walk.downward(sample, k_start, sum);
    density[i] = Arithmetic::halve(sum);
  }
  return SeriesStatus::ok;
}

}  // namespace kelvaro
