#include "evaluate_series.h"

#include "series_variants.h"

namespace kelvaro {

SeriesStatus evaluate_series(const double* x, const double* lambda, double df,
                             double* density, std::int32_t MAX_SUM,
                             std::int32_t sample_count, double tol,
                             double log_norm0) {
#if KELVARO_USE_EXTENDED
  return evaluate_series_extended(x, lambda, df, density, MAX_SUM, sample_count,
                                  tol, log_norm0);
#else
  return evaluate_series_double(x, lambda, df, density, MAX_SUM, sample_count,
                                tol, log_norm0);
#endif
}

}  // namespace kelvaro
