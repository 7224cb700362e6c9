#include <cmath>
#include <limits>

#include "exponential.h"
#include "term_block.h"

namespace kelvaro {

void scalar_terms(const TermBlock& block, double* terms) {
  for (int j = 0; j < block.count; ++j) {
    const std::int64_t k = block.first + j;
    const double exponent =
        ((block.v * static_cast<double>(k)) - block.p_minus_q) -
        block.log_norm[k];
    terms[j] = std::isfinite(exponent)
                   ? exponential(exponent)
                   : std::numeric_limits<double>::quiet_NaN();
  }
}

}  // namespace kelvaro
