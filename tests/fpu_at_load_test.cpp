// The module's start-up on the x87 unit: 53-bit precision, the host's
// rounding mode and exception masks kept, no exception flag left pending.
#include "fpu_at_load.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "test_names.h"
#include "x87.h"

namespace kelvaro {
namespace {

// The x87 environment as fnstenv stores it (the 28-byte protected-mode
// form, also in 64-bit mode); only the first two words matter here.
struct X87Environment {
  std::uint32_t control;
  std::uint32_t status;
  std::uint32_t rest[5];
};

constexpr std::uint16_t error_summary = 0x0080;

// fldenv loads flags without raising them, even unmasked ones.
void load_host_state(std::uint16_t control, std::uint16_t flags) {
  X87Environment environment;
  __asm__ __volatile__("fnstenv %0" : "=m"(environment));
  environment.control = control;
  environment.status = (environment.status & ~0xFFu) | flags;
  __asm__ __volatile__("fldenv %0" : : "m"(environment));
}

struct HostState {
  const char* name;
  std::uint16_t control;
  std::uint16_t flags;
};

const HostState host_states[] = {
    {"64 bits, to nearest, all masked, zero divide pending", 0x037F, 0x0004},
    {"64 bits, upward, overflow and inexact pending", 0x0B7F, 0x0021},
    {"53 bits, toward zero, nothing pending", 0x0E7F, 0x0000},
    // fldcw would trap here if the flags were not cleared before it.
    {"24 bits, downward, zero divide unmasked and pending", 0x047B,
     0x0004 | error_summary},
};

void PrintTo(const HostState& state, std::ostream* out) { *out << state.name; }

class FpuAtLoad : public ::testing::TestWithParam<HostState> {};

TEST_P(FpuAtLoad, SetsFiftyThreeBitsAndKeepsRoundingAndMasks) {
  const std::uint16_t original = x87::control_word();
  load_host_state(GetParam().control, GetParam().flags);
  prepare_fpu_at_load();
  const std::uint16_t control = x87::control_word();
  const std::uint16_t status = x87::status_word();
  x87::set_control_word(original);

  EXPECT_EQ(control, (GetParam().control & ~x87::precision_control_mask) |
                         x87::precision_53_bits);
  EXPECT_EQ(status & (x87::exception_bits | error_summary), 0);
}

INSTANTIATE_TEST_SUITE_P(HostStates, FpuAtLoad,
                         ::testing::ValuesIn(host_states),
                         [](const auto& info) {
                           return testing::test_name(info.param.name);
                         });

}  // namespace
}  // namespace kelvaro
