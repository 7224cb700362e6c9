#include "fpu_at_load.h"

#include <cstdint>

#include "x87.h"

namespace kelvaro {

void prepare_fpu_at_load() {
  // Flags first, with the no-wait fnclex: fldcw waits, so it would trap on
  // an exception that the host left both pending and unmasked.
  x87::clear_exception_flags();
  const std::uint16_t word = x87::control_word();
  x87::set_control_word(static_cast<std::uint16_t>(
      (word & ~x87::precision_control_mask) | x87::precision_53_bits));
}

}  // namespace kelvaro
