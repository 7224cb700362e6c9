// Drives the kernel directly, in both arithmetics, and checks what holds for
// every input: each result written, at most one warning per sample and in
// sample order, nothing written or said without samples or with the gate
// shut, and the same bits when the same call is repeated.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_values.h"
#include "host_messages.h"
#include "series_call.h"

namespace kelvaro::fuzzing {
namespace {

using standin::Channel;
using standin::HostMessage;

void require(bool condition) {
  if (!condition) std::abort();
}

// A NaN with a payload no arithmetic produces: marks an unwritten result.
double unwritten() {
  const std::uint64_t bits = 0x7ff4'dead'beef'0001;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool is_unwritten(double value) {
  const double mark = unwritten();
  return std::memcmp(&value, &mark, sizeof value) == 0;
}

struct Call {
  std::vector<double> x, lambda;
  double df, tol, log_norm0;
  std::int32_t max_sum, sample_count;
};

struct Result {
  std::vector<double> density;
  std::vector<HostMessage> messages;
};

Result run(const testing::ArithmeticVariant& variant, const Call& call) {
  standin::take_messages();
  std::vector<double> density(call.x.size(), unwritten());
  const SeriesStatus status = variant.evaluate(
      call.x.data(), call.lambda.data(), call.df, density.data(), call.max_sum,
      call.sample_count, call.tol, call.log_norm0);
  require(status == SeriesStatus::ok);
  return {density, standin::take_messages()};
}

void check_warnings(const std::vector<HostMessage>& messages,
                    std::int32_t sample_count) {
  require(messages.size() % 2 == 0);
  int previous = -1;
  for (std::size_t m = 0; m < messages.size(); m += 2) {
    require(messages[m].channel == Channel::warning);
    require(messages[m + 1].channel == Channel::print);
    const int sample = std::stoi(messages[m + 1].text);
    require(messages[m + 1].text == std::to_string(sample) + " \n");
    require(sample > previous && sample < sample_count);
    previous = sample;
  }
}

void check(const testing::ArithmeticVariant& variant, const Call& call) {
  const Result first = run(variant, call);
  check_warnings(first.messages, call.sample_count);
  const bool gate_open = 2 * call.tol > call.tol;
  for (std::size_t i = 0; i < call.x.size(); ++i) {
    const bool evaluated = static_cast<std::int64_t>(i) < call.sample_count;
    require(is_unwritten(first.density[i]) != evaluated);
    if (evaluated && !gate_open) {
      require(first.density[i] == 0.0 && !std::signbit(first.density[i]));
    }
  }
  if (!gate_open || call.sample_count <= 0) require(first.messages.empty());

  const Result again = run(variant, call);
  require(first.density.empty() ||
          std::memcmp(first.density.data(), again.density.data(),
                      first.density.size() * sizeof(double)) == 0);
  require(first.messages == again.messages);
}

}  // namespace
}  // namespace kelvaro::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace kelvaro::fuzzing;
  FuzzedDataProvider input(data, size);
  Call call;
  // Kept small so that a run visits many inputs; the index arithmetic near
  // 2^31 is covered by the tests.
  call.max_sum = input.ConsumeIntegralInRange<std::int32_t>(-3, 3000);
  call.df = draw_double(input);
  call.tol = draw_double(input);
  call.log_norm0 = draw_double(input);
  const auto samples = input.ConsumeIntegralInRange<std::int32_t>(0, 24);
  call.sample_count =
      input.ConsumeBool() ? samples : input.ConsumeIntegralInRange(-3, 0);
  for (std::int32_t i = 0; i < samples; ++i) {
    call.x.push_back(draw_double(input));
    call.lambda.push_back(draw_double(input));
  }
  for (const auto& variant : kelvaro::testing::arithmetic_variants()) {
    check(variant, call);
  }
  return 0;
}
