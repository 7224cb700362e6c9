#include "series_variants.h"

#include "double_arithmetic.h"
#include "series_driver.h"
#if KELVARO_HAS_EXTENDED
#include "extended_arithmetic.h"
#endif

namespace kelvaro {

SeriesStatus evaluate_series_double(const double* x, const double* lambda,
                                    double df, double* density,
                                    std::int32_t MAX_SUM,
                                    std::int32_t sample_count, double tol,
                                    double log_norm0) {
  return evaluate_series_double_on(fastest_term_path(), x, lambda, df, density,
                                   MAX_SUM, sample_count, tol, log_norm0);
}

SeriesStatus evaluate_series_double_on(TermPath path, const double* x,
                                       const double* lambda, double df,
                                       double* density, std::int32_t MAX_SUM,
                                       std::int32_t sample_count, double tol,
                                       double log_norm0) {
  const DoubleArithmetic::Terms terms(path);
  return evaluate_series_in<DoubleArithmetic>(
      terms, x, lambda, df, density, MAX_SUM, sample_count, tol, log_norm0);
}

#if KELVARO_HAS_EXTENDED
SeriesStatus evaluate_series_extended(const double* x, const double* lambda,
                                      double df, double* density,
                                      std::int32_t MAX_SUM,
                                      std::int32_t sample_count, double tol,
                                      double log_norm0) {
  const ExtendedArithmetic::Terms terms;
  return evaluate_series_in<ExtendedArithmetic>(
      terms, x, lambda, df, density, MAX_SUM, sample_count, tol, log_norm0);
}
#endif

}  // namespace kelvaro
