// Records what the kernel sends to the host's two text channels, in order.
#pragma once

#include <string>
#include <vector>

namespace kelvaro::testing {

struct HostMessage {
  enum class Channel { warning, print };
  Channel channel;
  std::string text;
  bool operator==(const HostMessage& other) const {
    return channel == other.channel && text == other.text;
  }
};

std::vector<HostMessage>& host_text_log();

// The messages one MAX_SUM warning per listed sample index produces.
std::vector<HostMessage> max_sum_warnings(const std::vector<int>& samples);

}  // namespace kelvaro::testing
