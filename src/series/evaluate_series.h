// The series kernel: Poisson-weighted sums of exponential terms, one per
// sample point. Host-free apart from the two text operations of
// host_text.h, so it runs under the real host, the stand-in host and the
// command-line driver alike.
#pragma once

#include <cstdint>

namespace kelvaro {

enum class SeriesStatus {
  ok,
  // The log_norm table of MAX_SUM + 1 doubles could not be allocated (or its
  // size in bytes is not representable). Nothing was written to density.
  out_of_memory,
};

// For every i below sample_count: density[i] = half the sum of the terms
// t(k) = exp(k ln(lambda x / 4) + ((df - 2) / 2) ln(x / 2) - (lambda + x) / 2
//            - log_norm[k])
// visited outward from a start index until a term is not above tol, where
// log_norm[0] = log_norm0 and log_norm[j] = log_norm[j-1] + ln((j + (df-2)/2)
// j). With log_norm0 = lgamma(df / 2) that is the noncentral chi-square
// density. Warns through the host when the upward walk reaches index MAX_SUM.
// A negative MAX_SUM is treated as 0. density must not overlap x or lambda.
[[nodiscard]] SeriesStatus evaluate_series(const double* x,
                                           const double* lambda, double df,
                                           double* density,
                                           std::int32_t MAX_SUM,
                                           std::int32_t sample_count,
                                           double tol, double log_norm0);

}  // namespace kelvaro
