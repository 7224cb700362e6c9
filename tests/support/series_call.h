// One call of a kernel variant with its inputs gathered, and what came out.
#pragma once

#include <cfloat>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "evaluate_series.h"
#include "max_sum_warnings.h"

namespace kelvaro::testing {

using SeriesFunction =
    std::function<SeriesStatus(const double*, const double*, double, double*,
                               std::int32_t, std::int32_t, double, double)>;

struct ArithmeticVariant {
  std::string name;
  SeriesFunction evaluate;
};

inline void PrintTo(const ArithmeticVariant& variant, std::ostream* out) {
  *out << variant.name;
}

// A build for the x87 alone (the 32-bit module's code generation,
// FLT_EVAL_METHOD 2) evaluates the double variant in 80-bit registers,
// rounding wherever the compiler spills: there it is neither IEEE double
// nor reproducible to the bit, and tests of those properties are skipped.
inline constexpr bool doubles_are_ieee = FLT_EVAL_METHOD == 0;
inline constexpr char doubles_not_ieee[] =
    "doubles are evaluated on the x87 in this build, not as IEEE doubles";

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
