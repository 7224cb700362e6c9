#include "host_messages.h"

#include <utility>

#include "call_record.h"

namespace kelvaro::standin {

bool operator==(const HostMessage& left, const HostMessage& right) {
  return left.channel == right.channel && left.text == right.text;
}

std::ostream& operator<<(std::ostream& out, const HostMessage& message) {
  return out << (message.channel == Channel::warning ? "warning " : "print ")
             << '"' << message.text << '"';
}

HostError::HostError(std::string identifier, const std::string& message)
    : std::runtime_error(message), identifier_(std::move(identifier)) {}

std::vector<HostMessage> take_messages() {
  return std::exchange(current_call().messages, {});
}

}  // namespace kelvaro::standin
