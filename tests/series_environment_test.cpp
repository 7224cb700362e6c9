// The kernel's results do not depend on the caller's floating-point state,
// and the caller gets that state back unchanged.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstring>
#include <vector>

#include "series_call.h"
#if KELVARO_HAS_EXTENDED
#include "extended_arithmetic.h"
#include "floating_point_scope.h"
#include "x87.h"
#endif

namespace kelvaro::testing {
namespace {

SeriesCall mixed_call() {
  SeriesCall call;
  call.x = {0.1, 1, 5, 20, 100, 1e-200, 400, 1e5};
  call.lambda = {5, 5, 5, 50, 500, 1e-200, 300, 1e5};
  call.max_sum = 200000;
  return call;
}

bool same_bits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

class SeriesEnvironment : public ::testing::TestWithParam<ArithmeticVariant> {};

TEST_P(SeriesEnvironment, RoundingModeOfTheCallerChangesNothing) {
  const std::vector<double> expected =
      run_series(GetParam(), mixed_call()).density;
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    const std::vector<double> density =
        run_series(GetParam(), mixed_call()).density;
    EXPECT_EQ(std::fegetround(), mode);
    std::fesetround(FE_TONEAREST);
    EXPECT_TRUE(same_bits(density, expected)) << mode;
  }
}

TEST_P(SeriesEnvironment, CallerFlagsAreNeitherLostNorAddedTo) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::feraiseexcept(FE_DIVBYZERO);
  // The call overflows, divides by zero and is inexact internally.
  (void)run_series(GetParam(), mixed_call());
  EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_DIVBYZERO);
  std::feclearexcept(FE_ALL_EXCEPT);
}

#if KELVARO_HAS_EXTENDED
TEST_P(SeriesEnvironment, X87PrecisionOfTheCallerChangesNothing) {
  const std::vector<double> expected =
      run_series(GetParam(), mixed_call()).density;
  const std::uint16_t original = x87::control_word();
  const auto with_64_bits = static_cast<std::uint16_t>(
      (original & ~x87::precision_control_mask) | x87::precision_64_bits);
  x87::set_control_word(with_64_bits);
  const std::vector<double> density =
      run_series(GetParam(), mixed_call()).density;
  const std::uint16_t after = x87::control_word();
  x87::set_control_word(original);
  EXPECT_EQ(after, with_64_bits);
  EXPECT_TRUE(same_bits(density, expected));
}

TEST(ExtendedEnvironment, KernelRunsAtFiftyThreeBitsToNearest) {
  const std::uint16_t original = x87::control_word();
  const auto with_64_bits_upward = static_cast<std::uint16_t>(
      (original & ~x87::precision_control_mask & ~x87::rounding_control_mask) |
      x87::precision_64_bits | x87::round_upward);
  x87::set_control_word(with_64_bits_upward);
  std::uint16_t inside = 0;
  {
    FloatingPointScope<ExtendedArithmetic> scope;
    inside = x87::control_word();
  }
  const std::uint16_t after = x87::control_word();
  x87::set_control_word(original);
  EXPECT_EQ(inside & x87::precision_control_mask, x87::precision_53_bits);
  EXPECT_EQ(inside & x87::rounding_control_mask, 0)
      << "rounding control must be to nearest";
  EXPECT_EQ(after, with_64_bits_upward);
}
#endif

INSTANTIATE_TEST_SUITE_P(Arithmetics, SeriesEnvironment,
                         ::testing::ValuesIn(arithmetic_variants()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kelvaro::testing
