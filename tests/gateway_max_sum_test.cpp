// MAX_SUM arrives as a double and is truncated toward zero, whatever
// rounding mode the caller has set.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "argument_checks.h"

namespace kelvaro {
namespace {

struct Truncation {
  double value;
  std::optional<std::int32_t> max_sum;
};

constexpr double kInf = std::numeric_limits<double>::infinity();

const Truncation kTruncations[] = {
    {100.9, 100},
    {-0.5, 0},
    {-0.999, 0},
    {-0.0, 0},
    {0.999, 0},
    {7.5, 7},
    {2147483647.0, 2147483647},
    {2147483647.9, 2147483647},
    {-1.0, std::nullopt},
    {-7.9, std::nullopt},
    {2147483648.0, std::nullopt},
    {4294967396.0, std::nullopt},
    {1e300, std::nullopt},
    {kInf, std::nullopt},
    {-kInf, std::nullopt},
    {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
};

const int kRoundingModes[] = {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD,
                              FE_TOWARDZERO};

TEST(TruncateMaxSum, TruncatesTowardZeroInEveryRoundingModeAndKeepsIt) {
  const int caller_mode = std::fegetround();
  for (const int mode : kRoundingModes) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (const Truncation& truncation : kTruncations) {
      EXPECT_EQ(truncate_max_sum(truncation.value), truncation.max_sum)
          << "value " << truncation.value << ", rounding mode " << mode;
      EXPECT_EQ(std::fegetround(), mode);
    }
  }
  std::fesetround(caller_mode);
}

}  // namespace
}  // namespace kelvaro
