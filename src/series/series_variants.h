// Both arithmetics of the kernel, for tests and benchmarks that compare them
// in one program. evaluate_series() is whichever the build was configured
// with.
#pragma once

#include <cstdint>

#include "evaluate_series.h"
#include "term_path.h"

namespace kelvaro {

[[nodiscard]] SeriesStatus evaluate_series_double(const double* x,
                                                  const double* lambda,
                                                  double df, double* density,
                                                  std::int32_t MAX_SUM,
                                                  std::int32_t sample_count,
                                                  double tol, double log_norm0);

// The double arithmetic on a chosen term path, which must be available
// (term_path_available); evaluate_series_double takes the fastest.
[[nodiscard]] SeriesStatus evaluate_series_double_on(
    TermPath path, const double* x, const double* lambda, double df,
    double* density, std::int32_t MAX_SUM, std::int32_t sample_count,
    double tol, double log_norm0);

// The double arithmetic on a given set of vector passes, which the
// processor must be able to run.
[[nodiscard]] SeriesStatus evaluate_series_double_with(
    const VectorPasses& passes, const double* x, const double* lambda,
    double df, double* density, std::int32_t MAX_SUM, std::int32_t sample_count,
    double tol, double log_norm0);

#if KELVARO_HAS_EXTENDED
[[nodiscard]] SeriesStatus evaluate_series_extended(
    const double* x, const double* lambda, double df, double* density,
    std::int32_t MAX_SUM, std::int32_t sample_count, double tol,
    double log_norm0);
#endif

}  // namespace kelvaro
