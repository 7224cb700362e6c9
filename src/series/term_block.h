// A block of consecutive terms of one sample, computed together and then
// added one by one in visiting order by the walk. Each term comes from its
// own index: t(k) = e^L with L = ((v k) - (P - Q)) - log_norm[k], every
// operation a double rounding (no contraction into FMA), and NaN where L is
// not finite.
#pragma once

#include <cstdint>

namespace kelvaro {

// The largest block any term path computes.
inline constexpr int max_term_block = 16;

struct TermBlock {
  double v;                // ln((lambda x) / 4)
  double p_minus_q;        // P - Q of the sample
  const double* log_norm;  // the table, filled at least through first+count-1
  std::int64_t first;      // index of terms[0]; terms[j] has index first + j
  int count;               // 1 <= count <= the path's block size
};

// One function per instruction set; each writes terms[0..count).
void scalar_terms(const TermBlock& block, double* terms);
#if KELVARO_SIMD_TERMS
void sse2_terms(const TermBlock& block, double* terms);
void avx_terms(const TermBlock& block, double* terms);
void avx512_terms(const TermBlock& block, double* terms);
#endif

}  // namespace kelvaro
