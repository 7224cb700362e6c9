// The documented examples of the kernel, in every arithmetic of the build.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "host_messages.h"
#include "series_call.h"

namespace kelvaro::testing {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

SeriesCall five_samples(std::int32_t max_sum) {
  SeriesCall call;
  call.x = {0.1, 1, 5, 20, 100};
  call.lambda = {5, 5, 5, 50, 500};
  call.max_sum = max_sum;
  return call;
}

SeriesCall one_sample(double x, double lambda) {
  SeriesCall call;
  call.x = {x};
  call.lambda = {lambda};
  return call;
}

template <class Change>
SeriesCall with(SeriesCall call, Change change) {
  change(call);
  return call;
}

// Expected values are given to 12 significant digits; the two arithmetics
// differ from each other below 1e-13 relative on these samples.
constexpr double documented_digits = 2e-11;

struct Example {
  std::string name;
  SeriesCall call;
  std::vector<double> density;  // empty: the values are not documented
  std::vector<int> warned_samples;
};

std::vector<Example> examples() {
  const std::vector<int> all_five{0, 1, 2, 3, 4};
  return {
      {"five_samples",
       five_samples(1000),
       {0.00481980663998, 0.0305340640580, 0.0861111372850, 0.000854598667568,
        5.14820963107e-37},
       {}},
      {"five_samples_max_sum_5",
       five_samples(5),
       {0.00481980663997, 0.0305340378098, 0.0859069019571, 3.58009513500e-8,
        2.72339704896e-114},
       all_five},
      {"five_samples_max_sum_0",
       five_samples(0),
       {0.00449160461989, 0.0161053068231, 0.00728798621396, 1.92893715651e-15,
        5.26632767485e-130},
       all_five},
      {"negative_max_sum_is_zero",
       five_samples(-7),
       {0.00449160461989, 0.0161053068231, 0.00728798621396, 1.92893715651e-15,
        5.26632767485e-130},
       all_five},
      {"warnings_name_samples_in_order",
       with(five_samples(40),
            [](SeriesCall& c) {
              c.x = {0.1, 50, 1, 200, 5, 400};
              c.lambda = {5, 300, 5, 300, 5, 300};
            }),
       {},
       {1, 3, 5}},
      {"start_at_max_sum_warns_after_one_term",
       with(one_sample(1000, 1000),
            [](SeriesCall& c) {
              c.df = 3;
              c.max_sum = 5;
            }),
       {},
       {0}},
      {"infinite_x_starts_at_max_sum_and_warns",
       one_sample(inf, 5),
       {nan},
       {0}},
      {"terms_beyond_double_range_sum_to_inf",
       with(one_sample(1, 5), [](SeriesCall& c) { c.log_norm0 = -800; }),
       {inf},
       {}},
      {"terms_below_double_range_sum_to_zero",
       with(one_sample(1, 5),
            [](SeriesCall& c) {
              c.log_norm0 = 800;
              c.tol = 1e-300;
            }),
       {0.0},
       {}},
      {"zero_x_gives_nan", one_sample(0, 5), {nan}, {}},
      {"negative_x_gives_nan", one_sample(-1, 5), {nan}, {}},
      {"negative_radicand_gives_nan", one_sample(-100, 5), {nan}, {}},
      {"zero_lambda_gives_nan", one_sample(1, 0), {nan}, {}},
      {"nan_x_gives_nan", one_sample(nan, 5), {nan}, {}},
      {"nan_x_warns_only_at_max_sum_0",
       with(one_sample(nan, 5), [](SeriesCall& c) { c.max_sum = 0; }),
       {nan},
       {0}},
      {"nan_df_gives_nan",
       with(one_sample(1, 5), [](SeriesCall& c) { c.df = nan; }),
       {nan},
       {}},
      {"infinite_log_norm0_gives_nan",
       with(one_sample(1, 5), [](SeriesCall& c) { c.log_norm0 = inf; }),
       {nan},
       {}},
      {"minus_infinite_log_norm0_gives_nan",
       with(one_sample(1, 5), [](SeriesCall& c) { c.log_norm0 = -inf; }),
       {nan},
       {}},
      {"zero_df_gives_nan",
       with(one_sample(1, 5), [](SeriesCall& c) { c.df = 0; }),
       {nan},
       {}},
      {"negative_df_gives_nan",
       with(one_sample(1, 5), [](SeriesCall& c) { c.df = -1; }),
       {nan},
       {}},
  };
}

// Equal within the documented digits; NaN, infinities and zeros exactly.
void expect_documented(double expected, double actual) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << actual;
  } else if (expected == 0 || std::isinf(expected)) {
    EXPECT_EQ(expected, actual);
    EXPECT_FALSE(std::signbit(actual));
  } else {
    EXPECT_NEAR(actual / expected, 1.0, documented_digits) << actual;
  }
}

class SeriesExamples : public ::testing::TestWithParam<ArithmeticVariant> {};

TEST_P(SeriesExamples, GiveTheDocumentedDensitiesAndWarnings) {
  for (const Example& example : examples()) {
    SCOPED_TRACE(example.name);
    const SeriesOutcome outcome = run_series(GetParam(), example.call);
    ASSERT_EQ(outcome.status, SeriesStatus::ok);
    EXPECT_EQ(outcome.messages, max_sum_warnings(example.warned_samples));
    for (std::size_t i = 0; i < example.density.size(); ++i) {
      SCOPED_TRACE(i);
      expect_documented(example.density[i], outcome.density[i]);
    }
    for (double d : outcome.density) EXPECT_NE(d, -12345.0);
  }
}

TEST_P(SeriesExamples, ClosedGateGivesPositiveZeroAndNoWarning) {
  for (double tol : {0.0, -0.0, -1.0, inf, nan}) {
    SCOPED_TRACE(tol);
    // These samples would warn (and give NaN) with the gate open.
    SeriesCall call = five_samples(0);
    call.x.push_back(inf);
    call.lambda.push_back(5);
    call.tol = tol;
    const SeriesOutcome outcome = run_series(GetParam(), call);
    EXPECT_TRUE(outcome.messages.empty());
    for (double d : outcome.density) {
      EXPECT_EQ(d, 0.0);
      EXPECT_FALSE(std::signbit(d));
    }
  }
}

TEST_P(SeriesExamples, HugeFiniteTolStillOpensTheGate) {
  // 2 tol overflows to +inf, which is above tol: one term each way.
  SeriesCall call = one_sample(1, 5);
  call.tol = std::numeric_limits<double>::max();
  const SeriesOutcome outcome = run_series(GetParam(), call);
  EXPECT_GT(outcome.density[0], 0.0);
  EXPECT_LT(outcome.density[0], 0.0305340640580);
}

TEST_P(SeriesExamples, NoSamplesTouchNothingAndSayNothing) {
  const double x = 1, lambda = 5;
  for (std::int32_t count : {0, -1, -2147483647 - 1}) {
    standin::take_messages();
    double density = -12345.0;
    EXPECT_EQ(GetParam().evaluate(&x, &lambda, 3.5, &density, 0, count, 1e-12,
                                  lgamma_1_75),
              SeriesStatus::ok);
    EXPECT_EQ(density, -12345.0);
    EXPECT_TRUE(standin::take_messages().empty());
  }
}

TEST_P(SeriesExamples, ToleranceIsAbsolute) {
  // t(112) and t(111) are both below 1e-12: each pass adds one term, a
  // tenth of the whole series.
  const double truncated =
      run_series(GetParam(), one_sample(100, 500)).density[0];
  SeriesCall full = one_sample(100, 500);
  full.tol = 1e-300;
  const double whole = run_series(GetParam(), full).density[0];
  EXPECT_NEAR(truncated / 5.148e-37, 1.0, 1e-3);
  EXPECT_NEAR(whole / 4.848e-36, 1.0, 1e-3);
}

TEST_P(SeriesExamples, EveryCallRewritesEveryResult) {
  const SeriesCall call = five_samples(1000);
  const SeriesOutcome first = run_series(GetParam(), call);
  const SeriesOutcome second = run_series(GetParam(), call);
  EXPECT_EQ(first.density, second.density);
}

INSTANTIATE_TEST_SUITE_P(Arithmetics, SeriesExamples,
                         ::testing::ValuesIn(arithmetic_variants()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kelvaro::testing
