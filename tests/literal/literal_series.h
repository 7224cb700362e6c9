// The kernel written out plainly, as the baseline the optimised kernel must
// match bit for bit (tests) and beat (benchmarks): the whole log_norm table
// built first, and u, v, P, Q and L formed afresh for every term in the
// documented order. The double version exponentiates with the optimised
// kernel's own one-lane exponential, so the two differ only in how the work
// is organised. Same parameters and messages as evaluate_series.
#pragma once

#include <cstdint>
#include <vector>

#include "evaluate_series.h"

namespace kelvaro::literal {

SeriesStatus series_double(const double* x, const double* lambda, double df,
                           double* density, std::int32_t MAX_SUM,
                           std::int32_t sample_count, double tol,
                           double log_norm0);

// series_double that also counts the terms it evaluates into terms.
SeriesStatus counting_series_double(const double* x, const double* lambda,
                                    double df, double* density,
                                    std::int32_t MAX_SUM,
                                    std::int32_t sample_count, double tol,
                                    double log_norm0, std::int64_t& terms);

// How many terms series_double evaluates for these samples.
std::int64_t visited_terms_double(const double* x, const double* lambda,
                                  double df, std::int32_t MAX_SUM,
                                  std::int32_t sample_count, double tol,
                                  double log_norm0);

// The terms t(0), ..., t(MAX_SUM) of one sample as series_double computes
// them.
std::vector<double> terms_double(double x, double lambda, double df,
                                 std::int32_t MAX_SUM, double log_norm0);

#if KELVARO_HAS_EXTENDED
SeriesStatus series_extended(const double* x, const double* lambda, double df,
                             double* density, std::int32_t MAX_SUM,
                             std::int32_t sample_count, double tol,
                             double log_norm0);
#endif

}  // namespace kelvaro::literal
