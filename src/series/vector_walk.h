// The double arithmetic's two passes on a vector path (vector_passes.h).
//
// The passes decide where they stop from each exponent L instead of waiting
// for e^L, which is exact because the decision is taken from L only where
// it cannot differ from the one e^L would give. SLEEF documents its
// exponentials to within 1 ulp (a relative 2^-52) and glibc's log to within
// 1 ulp of ln(tol) (at most 2^-52 * 745 absolute for a normal tol), so with
// a margin m = 2^-20, an L above ln(tol) + m has e^L > tol (1 + 2^-21) and a
// computed term above tol, and an L below ln(tol) - m has one below tol.
// Between the two, the computed terms decide. The relative bound needs
// normal results: for a tol below the smallest normal double the band is
// the whole line and the terms always decide.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "double_arithmetic.h"
#include "log_norm_table.h"
#include "pass_types.h"
#include "sample_sum.h"

namespace kelvaro {

class VectorWalk {
 public:
  using Sample = DoubleArithmetic::Sample;

  VectorWalk(LogNormTable<DoubleArithmetic>& table, const VectorPasses& passes,
             std::int32_t max_sum, double tol, double two_tol)
      : passes_(passes),
        log_norm_{table.filled_through(0), 0, &table, &extend},
        gate_open_(two_tol > tol) {
    constexpr double margin = 0x1p-20;
    constexpr double inf = std::numeric_limits<double>::infinity();
    const bool decidable = tol >= DBL_MIN && tol <= DBL_MAX;
    const double log_tol = decidable ? std::log(tol) : 0.0;
    args_.tol = tol;
    args_.surely_above = decidable ? log_tol + margin : inf;
    args_.surely_not_above = decidable ? log_tol - margin : -inf;
    args_.max_sum = max_sum;
  }

  SampleSum sum_sample(const Sample& sample, std::int32_t k_start) {
    if (!gate_open_) return {k_start, 0.0};
    args_.v = sample.v;
    args_.p_minus_q = sample.p_minus_q;
    args_.k_start = k_start;
    return passes_.sum_sample(args_, log_norm_, buffer_);
  }

 private:
  static void extend(LogNormReach& reach, std::int64_t last) {
    static_cast<LogNormTable<DoubleArithmetic>*>(reach.table)
        ->filled_through(last);
    reach.filled = last;
  }

  const VectorPasses& passes_;
  LogNormReach log_norm_;
  bool gate_open_;
  PassArgs args_{};
  TermBuffer buffer_{};
};

}  // namespace kelvaro
