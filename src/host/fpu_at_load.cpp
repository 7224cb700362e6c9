#include "fpu_at_load.h"

#include "x87.h"

namespace kelvaro {

void prepare_fpu_at_load() {
  // Flags first, with the no-wait fnclex: fldcw waits, so it would trap on
  // an exception that the host left both pending and unmasked.
  x87::clear_exception_flags();
  x87::set_precision_control(x87::precision_53_bits);
}

}  // namespace kelvaro
