// Draws doubles that reach the kernel's and the gateway's edges: the special
// values, the 32-bit boundaries of MAX_SUM, arbitrary bit patterns and
// ordinary magnitudes.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace kelvaro::fuzzing {

inline double draw_double(FuzzedDataProvider& input) {
  using limits = std::numeric_limits<double>;
  static constexpr double special[] = {
      0.0,
      -0.0,
      1.0,
      -1.0,
      0.5,
      2.0,
      3.5,
      5.0,
      100.0,
      500.0,
      1e5,
      1e-12,
      1e-300,
      1e300,
      1e200,
      1e-200,
      -800.0,
      800.0,
      2147483647.0,
      2147483647.9,
      2147483648.0,
      -2147483648.0,
      -0.5,
      100.9,
      limits::quiet_NaN(),
      -limits::quiet_NaN(),
      limits::infinity(),
      -limits::infinity(),
      limits::denorm_min(),
      -limits::denorm_min(),
      limits::min(),
      limits::max(),
      -limits::max(),
      limits::epsilon(),
  };
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return input.PickValueInArray(special);
    case 1: {
      const auto bits = input.ConsumeIntegral<std::uint64_t>();
      double value;
      std::memcpy(&value, &bits, sizeof value);
      // NaN payloads are not the point; keep the test's sentinel unique.
      return std::isnan(value) ? limits::quiet_NaN() : value;
    }
    default:
      return input.ConsumeFloatingPointInRange(-10.0, 1000.0);
  }
}

}  // namespace kelvaro::fuzzing
