// The checks that stand between the host's arguments and the kernel, so
// that no call reads or writes outside what the caller gave.
#pragma once

#include <cstdint>
#include <optional>

#include "mex_api.h"
#include "refusals.h"

namespace kelvaro {

// The first reason to refuse a call, judged from the argument counts and
// the inputs' classes and sizes alone, or nullptr when the inputs may be
// read. The value of MAX_SUM is judged by truncate_max_sum.
const Refusal* find_argument_fault(int nlhs, int nrhs,
                                   const mxArray* const prhs[]);

// MAX_SUM truncated toward zero, or nothing when the truncated value would
// lie outside 0 ... 2^31 - 1 (NaN and the infinities included).
std::optional<std::int32_t> truncate_max_sum(double value);

}  // namespace kelvaro
