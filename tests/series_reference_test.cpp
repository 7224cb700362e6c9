// The kernel against noncentral chi-square densities computed independently
// (Bessel form, 60 digits, scripts/make_reference_densities.py).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "series_call.h"

namespace kelvaro::testing {
namespace {

struct ReferenceDensity {
  double df, x, lambda, log_norm0, density;
};

const std::vector<ReferenceDensity> reference_densities{
#include "data/ncx2_reference.inc"
};

// Where the error comes from: the terms that matter here have indices up to
// about 200, where log_norm[k] (a sum of k rounded logarithms) and v k reach
// about 2000, whose ulp is 2.3e-13. L(k), their difference, carries about
// sqrt(k) half-ulps of rounding, some 2e-12, and e^L turns that absolute
// error into the same relative error; the summation and the exponential add
// a few ulps. Measured worst cases are 6.4e-13 (double) and 5.4e-13
// (extended); the bound leaves room for other libm and x87 implementations.
constexpr double reference_tolerance = 2e-11;

class SeriesReference : public ::testing::TestWithParam<ArithmeticVariant> {};

TEST_P(SeriesReference, MatchesTheNoncentralChiSquareDensity) {
  double worst = 0;
  for (const ReferenceDensity& row : reference_densities) {
    SCOPED_TRACE(::testing::Message() << "df " << row.df << " x " << row.x
                                      << " lambda " << row.lambda);
    SeriesCall call;
    call.x = {row.x};
    call.lambda = {row.lambda};
    call.df = row.df;
    call.log_norm0 = row.log_norm0;
    call.tol = 1e-300;
    call.max_sum = 100000;
    const SeriesOutcome outcome = run_series(GetParam(), call);
    ASSERT_TRUE(outcome.messages.empty());
    const double relative_error =
        std::fabs(outcome.density[0] - row.density) / row.density;
    EXPECT_LE(relative_error, reference_tolerance) << outcome.density[0];
    worst = std::fmax(worst, relative_error);
  }
  RecordProperty("worst_relative_error", std::to_string(worst));
  std::printf("worst relative error: %.3g\n", worst);
}

INSTANTIATE_TEST_SUITE_P(Arithmetics, SeriesReference,
                         ::testing::ValuesIn(arithmetic_variants()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kelvaro::testing
