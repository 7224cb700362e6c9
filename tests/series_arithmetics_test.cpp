// Where the double and the extended arithmetic part ways, and where they
// agree.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "series_call.h"

namespace kelvaro::testing {
namespace {

double density_of(const ArithmeticVariant& variant, double x, double lambda,
                  std::int32_t max_sum) {
  SeriesCall call;
  call.x = {x};
  call.lambda = {lambda};
  call.max_sum = max_sum;
  return run_series(variant, call).density[0];
}

struct Agreement {
  double x, lambda;
  std::int32_t max_sum;
  double within;  // relative
};

TEST(SeriesArithmetics, AgreeWhereIntermediatesStayInDoubleRange) {
  if (!doubles_are_ieee) GTEST_SKIP() << doubles_not_ieee;
  // L is the small difference of two large quantities, so the last bits of
  // the extended intermediates show more as the index grows: at k_start =
  // 50000 only about 11 digits are shared.
  const std::vector<Agreement> cases{
      {0.1, 5, 1000, 1e-14},
      {3, 7, 1000, 1e-14},
      {400, 300, 1000, 1e-12},
      {100000, 100000, 200000, 1e-10},
  };
  for (const Agreement& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << ", " << c.lambda);
    const double in_double =
        density_of(double_variant(), c.x, c.lambda, c.max_sum);
    const double in_extended =
        density_of(extended_variant(), c.x, c.lambda, c.max_sum);
    EXPECT_NEAR(in_double / in_extended, 1.0, c.within);
  }
}

TEST(SeriesArithmetics, DifferWhereTheProductLeavesDoubleRange) {
  // lambda x = 1e-400 is 0 in double (ln 0 makes the terms NaN) but a normal
  // number in the x87 exponent range.
  EXPECT_TRUE(std::isnan(density_of(double_variant(), 1e-200, 1e-200, 1000)));
  const double tiny = density_of(extended_variant(), 1e-200, 1e-200, 1000);
  EXPECT_TRUE(std::isfinite(tiny));
  EXPECT_GT(tiny, 0.0);
  // lambda x = 1e400 overflows double, so the terms are NaN; the wide range
  // keeps them finite, and far below tol.
  EXPECT_TRUE(std::isnan(density_of(double_variant(), 1e200, 1e200, 1000)));
  EXPECT_EQ(density_of(extended_variant(), 1e200, 1e200, 1000), 0.0);
}

}  // namespace
}  // namespace kelvaro::testing
