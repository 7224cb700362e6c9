// Every value an IEEE double, as on a 64-bit host with SSE2 arithmetic.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "call_constants.h"
#include "exponential.h"

namespace kelvaro {

struct DoubleArithmetic {
  using Wide = double;

  // What a sample's terms share: L(k) = v k - (P - Q) - log_norm[k].
  struct Sample {
    double v;          // ln((lambda x) / 4)
    double p_minus_q;  // -((df - 2) / 2) ln(x / 2) + (lambda + x) / 2
  };

  static void enter_environment() { std::fesetenv(FE_DFL_ENV); }

  static double log_norm_offset(double df) { return (df - 2) * -0.5; }

  // One logarithm of the product, not a sum of two logarithms.
  static double next_log_norm(double previous, std::int64_t j, double offset) {
    const double jd = static_cast<double>(j);
    return previous + std::log((jd - offset) * jd);
  }

  static CallConstants call_constants(double df, std::int32_t max_sum,
                                      double tol) {
    return {df * df, -4 * df, 2 - df, static_cast<double>(max_sum), 2 * tol};
  }

  // E = (sqrt(((df^2 + 4 lambda x) + 4 df) + 4) + (2 - df)) / 4; adding
  // 4 df as minus -4 df gives the same bits.
  static double start_estimate(double x, double lambda,
                               const CallConstants& c) {
    return (std::sqrt(((c.df_squared + 4 * (lambda * x)) - c.minus_four_df) +
                      4) +
            c.two_minus_df) *
           0.25;
  }

  static Sample sample(double x, double lambda, double df) {
    const double u = std::log(x * 0.5);
    const double v = std::log((lambda * x) * 0.25);
    const double p = (u * (df - 2)) * -0.5;
    const double q = (lambda + x) * -0.5;
    return {v, p - q};
  }

  // e^L with L = ((v k) - (P - Q)) - log_norm[k], and NaN, never +inf or 0,
  // for a non-finite L, as the x87 form 2^r (1 + (2^f - 1)) gives. The
  // vector passes (vector_passes.h) compute the same bits several at a time.
  static double term(const Sample& s, std::int64_t k, double log_norm_k) {
    const double exponent =
        ((s.v * static_cast<double>(k)) - s.p_minus_q) - log_norm_k;
    return std::isfinite(exponent) ? exponential(exponent)
                                   : std::numeric_limits<double>::quiet_NaN();
  }

  static double accumulate(double sum, double term) { return sum + term; }
  static double halve(double sum) { return sum * 0.5; }
};

}  // namespace kelvaro
