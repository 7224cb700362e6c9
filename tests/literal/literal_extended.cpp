// The x87 unit at 53-bit precision control: only the table entries, the
// per-call constants, the start estimate and the running sum are rounded to
// double; everything else keeps the 15-bit exponent, and the logarithms and
// the pieces of the exponential keep 64-bit significands.
#include <cfenv>
#include <cmath>
#include <vector>

#include "literal_series.h"
#include "literal_walk.h"
#include "x87.h"

namespace kelvaro::literal {
namespace {

using x87::round_to_double;

long double term(double x, double lambda, double df, std::int32_t k,
                 double log_norm_k) {
  constexpr long double log2_e = 1.442695040888963407359924681001892137L;
  const long double xl = x;
  const long double ll = lambda;
  const long double u = x87::ln(xl * 0.5L);
  const long double v = x87::ln((ll * xl) * 0.25L);
  const long double p = (u * (static_cast<long double>(df) - 2)) * -0.5L;
  const long double q = (ll + xl) * -0.5L;
  const long double exponent =
      ((v * static_cast<long double>(k)) - (p - q)) - log_norm_k;
  const long double y = exponent * log2_e;
  const long double r = x87::round_to_integer(y);
  const long double f = y - r;
  return x87::scale_by_power_of_two(1 + x87::exp2_minus_one(f), r);
}

void enter_53_bit_precision() {
  std::fesetenv(FE_DFL_ENV);
  x87::set_precision_control(x87::precision_53_bits);
}

}  // namespace

SeriesStatus series_extended(const double* x, const double* lambda, double df,
                             double* density, std::int32_t MAX_SUM,
                             std::int32_t sample_count, double tol,
                             double log_norm0) {
  const CallerEnvironment caller(enter_53_bit_precision);
  const long double c = (static_cast<long double>(df) - 2) * -0.5L;
  const std::vector<double> log_norm =
      log_norm_table(MAX_SUM, log_norm0, [c](double previous, std::int32_t j) {
        const long double jl = j;
        return round_to_double(previous + x87::ln((jl - c) * jl));
      });
  const auto max_sum = static_cast<std::int32_t>(log_norm.size() - 1);

  if (sample_count > 0) {
    const long double dfl = df;
    const double df_squared = round_to_double(dfl * dfl);
    const double minus_four_df = round_to_double(-4 * dfl);
    const double two_minus_df = round_to_double(2 - dfl);
    const double two_tol = round_to_double(2 * static_cast<long double>(tol));
    for (std::int32_t i = 0; i < sample_count; ++i) {
      const long double lambda_x = static_cast<long double>(lambda[i]) * x[i];
      const long double radicand =
          ((df_squared + 4 * lambda_x) - minus_four_df) + 4;
      const double estimate =
          round_to_double((x87::sqrt(radicand) + two_minus_df) * 0.25L);
      sum_both_passes<long double>(
          i, start_index(estimate, max_sum), max_sum, tol, two_tol,
          caller.saved(), density[i],
          [&](std::int32_t k) {
            return term(x[i], lambda[i], df, k, log_norm[k]);
          },
          [](double sum, long double term) {
            return round_to_double(sum + term);
          });
      density[i] = round_to_double(density[i] * 0.5L);
    }
  }
  return SeriesStatus::ok;
}

}  // namespace kelvaro::literal
