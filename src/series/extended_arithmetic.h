// The x87 unit at 53-bit precision control: additions, subtractions,
// multiplications and the square root round to a 53-bit significand but keep
// the 15-bit exponent, logarithms and the pieces of the exponential carry
// 64-bit significands, and only the values the kernel stores (table entries,
// per-call constants, the start estimate, the running sum) are rounded to
// double. This is the arithmetic of the 32-bit Windows module.
#pragma once

#include <cfenv>
#include <cstdint>

#include "call_constants.h"
#include "x87.h"

namespace kelvaro {

struct ExtendedArithmetic {
  using Wide = long double;

  struct Sample {
    long double v;          // ln((lambda x) / 4)
    long double p_minus_q;  // -((df - 2) / 2) ln(x / 2) + (lambda + x) / 2
  };

  // Round to nearest, exceptions masked, 53-bit precision control.
  static void enter_environment() {
    std::fesetenv(FE_DFL_ENV);
    x87::set_precision_control(x87::precision_53_bits);
  }

  static long double log_norm_offset(double df) {
    return (static_cast<long double>(df) - 2) * -0.5L;
  }

  static double next_log_norm(double previous, std::int64_t j,
                              long double offset) {
    const auto jl = static_cast<long double>(j);
    return x87::round_to_double(previous + x87::ln((jl - offset) * jl));
  }

  static CallConstants call_constants(double df, std::int32_t max_sum,
                                      double tol) {
    const auto d = static_cast<long double>(df);
    return {x87::round_to_double(d * d), x87::round_to_double(-4 * d),
            x87::round_to_double(2 - d), static_cast<double>(max_sum),
            x87::round_to_double(2 * static_cast<long double>(tol))};
  }

  static double start_estimate(double x, double lambda,
                               const CallConstants& c) {
    const long double lambda_x = static_cast<long double>(lambda) * x;
    const long double radicand =
        ((c.df_squared + 4 * lambda_x) - c.minus_four_df) + 4;
    return x87::round_to_double((x87::sqrt(radicand) + c.two_minus_df) * 0.25L);
  }

  static Sample sample(double x, double lambda, double df) {
    const auto xl = static_cast<long double>(x);
    const auto ll = static_cast<long double>(lambda);
    const long double u = x87::ln(xl * 0.5L);
    const long double v = x87::ln((ll * xl) * 0.25L);
    const long double p = (u * (static_cast<long double>(df) - 2)) * -0.5L;
    const long double q = (ll + xl) * -0.5L;
    return {v, p - q};
  }

  // e^L as (1 + (2^f - 1)) 2^r with y = L log2(e), r = nearest(y), f = y - r;
  // a non-finite L makes f NaN and so the term NaN.
  static long double term(const Sample& s, std::int64_t k, double log_norm_k) {
    constexpr long double log2_e = 1.442695040888963407359924681001892137L;
    const long double exponent =
        ((s.v * static_cast<long double>(k)) - s.p_minus_q) - log_norm_k;
    const long double y = exponent * log2_e;
    const long double r = x87::round_to_integer(y);
    const long double f = y - r;
    return x87::scale_by_power_of_two(1 + x87::exp2_minus_one(f), r);
  }

  // The running sum is rounded to double after every addition but stays
  // in an x87 register between them.
  static long double accumulate(long double sum, long double term) {
    return x87::rounded_to_double(sum + term);
  }
  static double halve(double sum) { return x87::round_to_double(sum * 0.5L); }
};

}  // namespace kelvaro
