#include "host_text_log.h"

#include <cstdarg>
#include <cstdio>

#include "host_text.h"

namespace kelvaro::testing {

std::vector<HostMessage>& host_text_log() {
  static std::vector<HostMessage> log;
  return log;
}

std::vector<HostMessage> max_sum_warnings(const std::vector<int>& samples) {
  std::vector<HostMessage> messages;
  for (int i : samples) {
    messages.push_back(
        {HostMessage::Channel::warning,
         "adding up of infinite sum is stopped because MAX_SUM is reached "
         "at sample point:"});
    messages.push_back(
        {HostMessage::Channel::print, std::to_string(i) + " \n"});
  }
  return messages;
}

}  // namespace kelvaro::testing

using kelvaro::testing::HostMessage;

extern "C" void mexWarnMsgTxt(const char* warning_text) {
  kelvaro::testing::host_text_log().push_back(
      {HostMessage::Channel::warning, warning_text});
}

extern "C" int mexPrintf(const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  kelvaro::testing::host_text_log().push_back(
      {HostMessage::Channel::print, buffer});
  return length;
}
