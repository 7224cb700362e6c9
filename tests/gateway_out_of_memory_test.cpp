// A kernel table that cannot be allocated stops the call through the
// host's error service; the host frees the outputs already created.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <vector>

#include "call_module.h"
#include "host_arrays.h"
#include "sanitizers.h"

namespace kelvaro {
namespace {

using testing::handles_of;

// Caps this process's address space while alive, so that the table for
// the largest MAX_SUM (16 GiB of doubles) cannot be had on any machine.
class AddressSpaceCap {
 public:
  explicit AddressSpaceCap(rlim_t bytes) {
    getrlimit(RLIMIT_AS, &saved_);
    rlimit capped = saved_;
    capped.rlim_cur = bytes;
    capped_ = setrlimit(RLIMIT_AS, &capped) == 0;
  }
  ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &saved_); }
  bool capped() const { return capped_; }

 private:
  rlimit saved_{};
  bool capped_ = false;
};

// Either the 16 GiB table exists (it is filled only as far as the samples
// reach) and the densities are those of a small MAX_SUM, or the call stops
// with kelvaro:outOfMemory; never a crash.
TEST(GatewayOutOfMemory, LargestMaxSumFinishesOrStopsCleanly) {
  const auto call = [](double max_sum) {
    const std::vector<standin::Array> inputs =
        testing::column_inputs({1, 5}, {5, 5}, 3.5, max_sum, 1e-12, 0.0);
    return standin::call_module(&mexFunction, 1, handles_of(inputs));
  };
  const standin::CallResult small = call(1000);
  const standin::CallResult largest = call(2147483647.0);
  if (largest.error) {
    EXPECT_EQ(largest.error->identifier(), "kelvaro:outOfMemory");
  } else {
    EXPECT_TRUE(
        testing::same_bits(standin::contents_of(largest.outputs[0].get()).real,
                           standin::contents_of(small.outputs[0].get()).real));
  }
}

#if !KELVARO_ADDRESS_SANITIZER
TEST(GatewayOutOfMemory, RefusesWithAnIdentifierAndHandsOutNothing) {
  const std::vector<standin::Array> inputs =
      testing::column_inputs({1, 5}, {5, 5}, 3.5, 2147483647.0, 1e-12, 0.0);

  standin::CallResult result;
  {
    const AddressSpaceCap cap(rlim_t{4} << 30);
    ASSERT_TRUE(cap.capped());
    result = standin::call_module(&mexFunction, 2, handles_of(inputs));
  }

  ASSERT_TRUE(result.error);
  EXPECT_EQ(result.error->identifier(), "kelvaro:outOfMemory");
  EXPECT_NE(std::string(result.error->what()).find("input 4 (MAX_SUM)"),
            std::string::npos);
  for (const standin::Array& output : result.outputs) {
    EXPECT_EQ(output, nullptr);
  }
  EXPECT_TRUE(result.messages.empty());
}

#endif

}  // namespace
}  // namespace kelvaro
