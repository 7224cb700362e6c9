// The gateway declares the host operations itself, so Octave can only run
// it if those declarations pass values as Octave's 64-bit builds do: sizes
// in 64-bit integer registers (Octave's counts are signed, ours unsigned;
// the gateway never passes a count above 2^31 - 1, where both agree) and
// the complexity flag as a C enum, an int.
#include <cstdint>
#include <type_traits>

#include "mex_api.h"

static_assert(std::is_integral_v<mwSize> &&
                  sizeof(mwSize) == sizeof(std::int64_t),
              "Octave passes row and column counts as 64-bit integers");
static_assert(sizeof(mxComplexity) == sizeof(int),
              "Octave passes the complexity flag as an int");
