#include "series_variants.h"

#include "double_arithmetic.h"
#include "series_driver.h"
#include "series_walk.h"
#include "vector_walk.h"
#if KELVARO_HAS_EXTENDED
#include "extended_arithmetic.h"
#endif

namespace kelvaro {
namespace {

template <class Arithmetic>
SeriesWalk<Arithmetic> term_by_term(LogNormTable<Arithmetic>& table,
                                    std::int32_t max_sum, double tol,
                                    double two_tol) {
  return {table, max_sum, tol, two_tol};
}

auto on_vectors(const VectorPasses& passes) {
  return [&passes](LogNormTable<DoubleArithmetic>& table, std::int32_t max_sum,
                   double tol, double two_tol) {
    return VectorWalk(table, passes, max_sum, tol, two_tol);
  };
}

}  // namespace

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
  if (const VectorPasses* passes = vector_passes(path)) {
    return evaluate_series_double_with(*passes, x, lambda, df, density, MAX_SUM,
                                       sample_count, tol, log_norm0);
  }
  return evaluate_series_in<DoubleArithmetic>(term_by_term<DoubleArithmetic>, x,
                                              lambda, df, density, MAX_SUM,
                                              sample_count, tol, log_norm0);
}

SeriesStatus evaluate_series_double_with(const VectorPasses& passes,
                                         const double* x, const double* lambda,
                                         double df, double* density,
                                         std::int32_t MAX_SUM,
                                         std::int32_t sample_count, double tol,
                                         double log_norm0) {
  return evaluate_series_in<DoubleArithmetic>(on_vectors(passes), x, lambda, df,
                                              density, MAX_SUM, sample_count,
                                              tol, log_norm0);
}

#if KELVARO_HAS_EXTENDED
SeriesStatus evaluate_series_extended(const double* x, const double* lambda,
                                      double df, double* density,
                                      std::int32_t MAX_SUM,
                                      std::int32_t sample_count, double tol,
                                      double log_norm0) {
  return evaluate_series_in<ExtendedArithmetic>(
      term_by_term<ExtendedArithmetic>, x, lambda, df, density, MAX_SUM,
      sample_count, tol, log_norm0);
}
#endif

}  // namespace kelvaro
