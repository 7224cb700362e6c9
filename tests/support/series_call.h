// One call of a kernel variant with its inputs gathered, and what came out.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "evaluate_series.h"
#include "max_sum_warnings.h"

namespace kelvaro::testing {

using SeriesFunction = SeriesStatus (*)(const double*, const double*, double,
                                        double*, std::int32_t, std::int32_t,
                                        double, double);

struct ArithmeticVariant {
  std::string name;
  SeriesFunction evaluate;
};

inline void PrintTo(const ArithmeticVariant& variant, std::ostream* out) {
  *out << variant.name;
}

// Every arithmetic this build can run, configured one or not.
std::vector<ArithmeticVariant> arithmetic_variants();
const ArithmeticVariant& double_variant();
const ArithmeticVariant& extended_variant();  // only where the x87 exists

// ln Gamma(1.75), the normaliser for df = 3.5, correctly rounded.
inline constexpr double lgamma_1_75 = -0.08440112102048555;

struct SeriesCall {
  std::vector<double> x;
  std::vector<double> lambda;
  double df = 3.5;
  std::int32_t max_sum = 1000;
  double tol = 1e-12;
  double log_norm0 = lgamma_1_75;
};

struct SeriesOutcome {
  SeriesStatus status;
  std::vector<double> density;
  std::vector<HostMessage> messages;
};

SeriesOutcome run_series(const ArithmeticVariant& variant,
                         const SeriesCall& call);

}  // namespace kelvaro::testing
