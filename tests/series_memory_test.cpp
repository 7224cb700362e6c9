// The table for MAX_SUM + 1 entries may not be available: the kernel then
// says so and writes nothing.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <limits>

#include "sanitizers.h"
#include "series_call.h"

namespace kelvaro::testing {
namespace {

constexpr std::int32_t largest_max_sum =
    std::numeric_limits<std::int32_t>::max();

class SeriesMemory : public ::testing::TestWithParam<ArithmeticVariant> {};

// Either the 16 GiB table exists (its entries are filled only as far as the
// samples reach, so this is quick) and the result is the one of a small
// MAX_SUM, or the kernel reports that it could not allocate it.
TEST_P(SeriesMemory, LargestMaxSumFinishesOrReportsOutOfMemory) {
  SeriesCall call;
  call.x = {0.1, 1, 5, 20, 100};
  call.lambda = {5, 5, 5, 50, 500};
  const SeriesOutcome small = run_series(GetParam(), call);
  call.max_sum = largest_max_sum;
  const SeriesOutcome huge = run_series(GetParam(), call);
  if (huge.status == SeriesStatus::ok) {
    EXPECT_EQ(huge.density, small.density);
  } else {
    EXPECT_EQ(huge.status, SeriesStatus::out_of_memory);
    EXPECT_EQ(huge.density, std::vector<double>(5, -12345.0));
  }
  EXPECT_TRUE(huge.messages.empty());
}

#if !KELVARO_ADDRESS_SANITIZER
// With the address space capped the allocation must fail: the child exits 0
// only when the kernel said so and left density alone.
[[noreturn]] void call_with_capped_address_space(
    const ArithmeticVariant& variant) {
  rlimit cap{};
  cap.rlim_cur = cap.rlim_max = rlim_t{1} << 30;
  setrlimit(RLIMIT_AS, &cap);
  SeriesCall call;
  call.x = {1};
  call.lambda = {5};
  call.max_sum = largest_max_sum;
  const SeriesOutcome outcome = run_series(variant, call);
  const bool reported = outcome.status == SeriesStatus::out_of_memory &&
                        outcome.density[0] == -12345.0 &&
                        outcome.messages.empty();
  std::exit(reported ? 0 : 1);
}

TEST_P(SeriesMemory, UnavailableTableIsReportedAndNothingIsWritten) {
  EXPECT_EXIT(call_with_capped_address_space(GetParam()),
              ::testing::ExitedWithCode(0), "");
}
#endif

INSTANTIATE_TEST_SUITE_P(Arithmetics, SeriesMemory,
                         ::testing::ValuesIn(arithmetic_variants()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace kelvaro::testing
