// The vector passes eight lanes wide, as on AVX-512, built from two AVX
// halves so that a processor without AVX-512 can check the eight-lane
// logic (masks, short vectors, reversal, the queue's slack) against the
// literal kernel. Call only where the processor has AVX.
#pragma once

#include "pass_types.h"

namespace kelvaro::testing {

const VectorPasses& eight_lane_passes();

}  // namespace kelvaro::testing
