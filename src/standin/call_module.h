// One invocation of a module through the stand-in host, as a caller of the
// real host would make it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "array.h"
#include "host_messages.h"
#include "mex_api.h"

namespace kelvaro::standin {

using EntryPoint = void (*)(int nlhs, mxArray* plhs[], int nrhs,
                            const mxArray* prhs[]);

struct CallResult {
  // One per output slot the host gave (nlhs, at least 1); empty where the
  // module stored nothing. All empty when the call was stopped.
  std::vector<Array> outputs;
  std::vector<HostMessage> messages;
  // Set when the module stopped the call through the error service.
  std::optional<HostError> error;
  // Arrays the module had the host create, whether handed back or freed.
  std::size_t arrays_created = 0;
  // The module stored something beyond the slots it was given.
  bool wrote_past_slots = false;
};

// Calls the entry point with the inputs, which stay the caller's.
CallResult call_module(EntryPoint entry_point, int nlhs,
                       std::vector<const mxArray*> inputs);

}  // namespace kelvaro::standin
