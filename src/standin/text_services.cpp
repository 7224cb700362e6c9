// The host's text operations: warning channel, print channel and error
// service.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "call_record.h"
#include "host_messages.h"
#include "mex_api.h"

namespace {

std::string format_text(const char* format, std::va_list arguments) {
  std::va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  return text;
}

void record(kelvaro::standin::Channel channel, std::string text) {
  kelvaro::standin::current_call().messages.push_back(
      {channel, std::move(text)});
}

}  // namespace

extern "C" void mexWarnMsgTxt(const char* warning_text) {
  record(kelvaro::standin::Channel::warning, warning_text);
}

extern "C" int mexPrintf(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::string text = format_text(format, arguments);
  va_end(arguments);
  const auto length = static_cast<int>(text.size());
  record(kelvaro::standin::Channel::print, std::move(text));
  return length;
}

extern "C" void mexErrMsgIdAndTxt(const char* identifier, const char* format,
                                  ...) {
  std::va_list arguments;
  va_start(arguments, format);
  const std::string message = format_text(format, arguments);
  va_end(arguments);
  throw kelvaro::standin::HostError(identifier, message);
}
