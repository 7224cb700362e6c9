// kelvaro-run's single call of the module through the stand-in host.
#pragma once

#include <string>
#include <vector>

#include "call_module.h"
#include "options.h"
#include "sample_reader.h"

namespace kelvaro::cli {

// Calls mexFunction once with the samples as two columns and the options
// as scalars, asking for the density output alone.
standin::CallResult call_kelvaro(const Options& options, Samples samples);

// The host's warning and print channels as kelvaro-run shows them: each
// warning as "Warning: <text>" on a line of its own, printed text as is.
std::string channel_text(const std::vector<standin::HostMessage>& messages);

}  // namespace kelvaro::cli
