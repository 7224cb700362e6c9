// What the stand-in host keeps about the call in progress.
#pragma once

#include <memory>
#include <vector>

#include "array_storage.h"
#include "host_messages.h"

namespace kelvaro::standin {

struct CallRecord {
  std::vector<HostMessage> messages;
  // Arrays the host created for the module; they stay the host's until the
  // call hands them to its caller, and are freed otherwise.
  std::vector<std::unique_ptr<mxArray>> created_arrays;
};

CallRecord& current_call();

}  // namespace kelvaro::standin
