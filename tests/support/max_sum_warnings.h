// What the host is told when the upward walk of samples reaches MAX_SUM.
#pragma once

#include <string>
#include <vector>

#include "host_messages.h"

namespace kelvaro::testing {

using standin::HostMessage;

// One warning and one printed index per listed sample, in order.
inline std::vector<HostMessage> max_sum_warnings(
    const std::vector<int>& samples) {
  std::vector<HostMessage> messages;
  for (int i : samples) {
    messages.push_back(
        {standin::Channel::warning,
         "adding up of infinite sum is stopped because MAX_SUM is reached "
         "at sample point:"});
    messages.push_back({standin::Channel::print, std::to_string(i) + " \n"});
  }
  return messages;
}

}  // namespace kelvaro::testing
