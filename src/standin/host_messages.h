// What the module says through the stand-in host: warnings and printed
// text are recorded in order, and the error service stops the call by
// throwing HostError.
#pragma once

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvaro::standin {

enum class Channel { warning, print };

struct HostMessage {
  Channel channel;
  std::string text;
};

bool operator==(const HostMessage& left, const HostMessage& right);
std::ostream& operator<<(std::ostream& out, const HostMessage& message);

// Thrown by the error service; the module never catches it, so it ends the
// call the way a host does. what() is the formatted message.
class HostError : public std::runtime_error {
 public:
  HostError(std::string identifier, const std::string& message);
  const std::string& identifier() const { return identifier_; }

 private:
  std::string identifier_;
};

// The messages recorded since the last call_module or take_messages, for
// code that calls the kernel without going through call_module.
std::vector<HostMessage> take_messages();

}  // namespace kelvaro::standin
