// The term block in vectors of doubles (__m128d, __m256d or __m512d, used
// through the compiler's vector operators), for the files that each
// compile it for one instruction set. Its contents have internal linkage,
// so no file can end up running another's instructions.
#pragma once

#include <cstring>

#include "term_block.h"

namespace kelvaro {
namespace {

// exponential maps a vector of exponents to a vector of e^L, lane by lane.
template <class Vector, class Exponential>
void simd_terms(const TermBlock& block, double* terms,
                Exponential exponential) {
  constexpr int lanes = sizeof(Vector) / sizeof(double);
  // Built whole, not lane by lane: narrow stores read back as one vector
  // stall the load.
  alignas(64) static constexpr double lane_index[] = {
      0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  static_assert(lanes <= sizeof lane_index / sizeof lane_index[0]);
  Vector k;
  std::memcpy(&k, lane_index, sizeof k);
  k += static_cast<double>(block.first);
  const Vector nan = Vector{} + __builtin_nan("");
  const double* log_norm = block.log_norm + block.first;
  for (int j = 0; j < block.count; j += lanes) {
    // Entries past the block's last may lie past MAX_SUM or not be filled
    // yet: a short vector is loaded from only those it needs.
    const int left = block.count - j;
    Vector norm{};
    if (left >= lanes) {
      std::memcpy(&norm, log_norm + j, sizeof norm);
    } else {
      std::memcpy(&norm, log_norm + j, left * sizeof(double));
    }
    const Vector exponent = ((block.v * k) - block.p_minus_q) - norm;
    // L - L is 0 exactly for finite L and NaN for infinite or NaN L.
    const auto finite = (exponent - exponent) == 0;
    const Vector term = finite ? exponential(exponent) : nan;
    std::memcpy(terms + j, &term, sizeof term);
    k += lanes;
  }
}

}  // namespace
}  // namespace kelvaro
