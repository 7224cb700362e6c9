// The two passes of one sample, one term at a time: the walk of the x87
// arithmetic, and of the double arithmetic where no vector path is chosen.
#pragma once

#include <cstdint>

#include "log_norm_table.h"
#include "sample_sum.h"

namespace kelvaro {

template <class Arithmetic>
class SeriesWalk {
 public:
  using Wide = typename Arithmetic::Wide;
  using Sample = typename Arithmetic::Sample;

  SeriesWalk(LogNormTable<Arithmetic>& table, std::int32_t max_sum, double tol,
             double two_tol)
      : table_(table), max_sum_(max_sum), tol_(tol), two_tol_(two_tol) {}

  // Adds terms k_start, k_start + 1, ... while the previous term is above
  // tol (the first test is against the stored 2 tol, which shuts both
  // passes for tol <= 0, +inf and NaN), then k_start - 1, k_start - 2, ...
  // the same way. Indices are 64-bit so that the step past MAX_SUM =
  // 2^31 - 1 cannot wrap into a negative table index.
  SampleSum sum_sample(const Sample& sample, std::int32_t k_start) {
    // Always a double's value, held in the arithmetic's wide type.
    Wide sum = 0.0;
    std::int64_t k = k_start;
    for (Wide previous = two_tol_; previous > tol_ && k <= max_sum_; ++k) {
      previous = Arithmetic::term(sample, k, table_.filled_through(k)[k]);
      sum = Arithmetic::accumulate(sum, previous);
    }
    const std::int64_t upward_end = k;
    k = std::int64_t{k_start} - 1;
    for (Wide previous = two_tol_; previous > tol_ && k >= 0; --k) {
      previous = Arithmetic::term(sample, k, table_.filled_through(k)[k]);
      sum = Arithmetic::accumulate(sum, previous);
    }
    return {upward_end, static_cast<double>(sum)};
  }

 private:
  LogNormTable<Arithmetic>& table_;
  std::int32_t max_sum_;
  double tol_;
  double two_tol_;
};

}  // namespace kelvaro
