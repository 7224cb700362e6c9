// What the module does to the x87 unit of the thread that loads it: 53-bit
// precision control, so that the host's doubles are rounded as doubles,
// with the rounding mode and the exception masks left as the host set them
// and no exception flag left pending.
#pragma once

namespace kelvaro {

void prepare_fpu_at_load();

}  // namespace kelvaro
