// Every value an IEEE double.
#include <cfenv>
#include <cmath>
#include <limits>
#include <vector>

#include "exponential.h"
#include "literal_series.h"
#include "literal_walk.h"

namespace kelvaro::literal {
namespace {

double term(double x, double lambda, double df, std::int32_t k,
            double log_norm_k) {
  const double u = std::log(x * 0.5);
  const double v = std::log((lambda * x) * 0.25);
  const double p = (u * (df - 2)) * -0.5;
  const double q = (lambda + x) * -0.5;
  const double exponent = ((v * k) - (p - q)) - log_norm_k;
  if (!std::isfinite(exponent)) return std::numeric_limits<double>::quiet_NaN();
  return exponential(exponent);
}

void enter_default_environment() { std::fesetenv(FE_DFL_ENV); }

std::vector<double> log_norm_table_double(std::int32_t MAX_SUM, double df,
                                          double log_norm0) {
  const double c = (df - 2) * -0.5;
  return log_norm_table(
      MAX_SUM, log_norm0, [c](double previous, std::int32_t j) {
        return previous + std::log((j - c) * static_cast<double>(j));
      });
}

}  // namespace

std::vector<double> terms_double(double x, double lambda, double df,
                                 std::int32_t MAX_SUM, double log_norm0) {
  const CallerEnvironment caller(enter_default_environment);
  const std::vector<double> log_norm =
      log_norm_table_double(MAX_SUM, df, log_norm0);
  std::vector<double> terms;
  for (std::size_t k = 0; k < log_norm.size(); ++k) {
    terms.push_back(
        term(x, lambda, df, static_cast<std::int32_t>(k), log_norm[k]));
  }
  return terms;
}

SeriesStatus series_double(const double* x, const double* lambda, double df,
                           double* density, std::int32_t MAX_SUM,
                           std::int32_t sample_count, double tol,
                           double log_norm0) {
  std::int64_t terms = 0;
  return counting_series_double(x, lambda, df, density, MAX_SUM, sample_count,
                                tol, log_norm0, terms);
}

std::int64_t visited_terms_double(const double* x, const double* lambda,
                                  double df, std::int32_t MAX_SUM,
                                  std::int32_t sample_count, double tol,
                                  double log_norm0) {
  std::vector<double> density(sample_count > 0 ? sample_count : 0);
  std::int64_t terms = 0;
  counting_series_double(x, lambda, df, density.data(), MAX_SUM, sample_count,
                         tol, log_norm0, terms);
  return terms;
}

SeriesStatus counting_series_double(const double* x, const double* lambda,
                                    double df, double* density,
                                    std::int32_t MAX_SUM,
                                    std::int32_t sample_count, double tol,
                                    double log_norm0, std::int64_t& terms) {
  const CallerEnvironment caller(enter_default_environment);
  const std::vector<double> log_norm =
      log_norm_table_double(MAX_SUM, df, log_norm0);
  const auto max_sum = static_cast<std::int32_t>(log_norm.size() - 1);

  if (sample_count > 0) {
    const double df_squared = df * df;
    const double minus_four_df = -4 * df;
    const double two_minus_df = 2 - df;
    const double two_tol = 2 * tol;
    for (std::int32_t i = 0; i < sample_count; ++i) {
      const double estimate =
          (std::sqrt(((df_squared + 4 * (lambda[i] * x[i])) - minus_four_df) +
                     4) +
           two_minus_df) *
          0.25;
      sum_both_passes<double>(
          i, start_index(estimate, max_sum), max_sum, tol, two_tol,
          caller.saved(), density[i],
          [&](std::int32_t k) {
            ++terms;
            return term(x[i], lambda[i], df, k, log_norm[k]);
          },
          [](double sum, double term) { return sum + term; });
      density[i] = density[i] * 0.5;
    }
  }
  return SeriesStatus::ok;
}

}  // namespace kelvaro::literal
