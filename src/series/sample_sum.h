#pragma once

#include <cstdint>

namespace kelvaro {

// What a walk gives for one sample.
struct SampleSum {
  // The index after the last term of the upward pass: MAX_SUM + 1 exactly
  // when that pass reached MAX_SUM, which the driver warns about.
  std::int64_t upward_end;
  // The terms of both passes added in visiting order, rounded to double
  // after every addition.
  double sum;
};

}  // namespace kelvaro
