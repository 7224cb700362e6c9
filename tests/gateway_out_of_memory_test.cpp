// A kernel table that cannot be allocated stops the call through the
// host's error service; the host frees the outputs already created.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <vector>

#include "call_module.h"
#include "host_arrays.h"

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

}  // namespace
}  // namespace kelvaro
