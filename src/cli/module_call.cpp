#include "module_call.h"

#include <utility>

#include "mex_api.h"

namespace kelvaro::cli {

standin::CallResult call_kelvaro(const Options& options, Samples samples) {
  const std::size_t count = samples.x.size();
  const standin::Array inputs[] = {
      standin::make_matrix(count, 1, std::move(samples.x)),
      standin::make_matrix(count, 1, std::move(samples.lambda)),
      standin::make_scalar(options.df),
      standin::make_scalar(options.max_sum),
      standin::make_scalar(options.tol),
      standin::make_scalar(options.log_norm0),
  };
  std::vector<const mxArray*> handles;
  for (const standin::Array& input : inputs) handles.push_back(input.get());
  return standin::call_module(&mexFunction, 1, std::move(handles));
}

std::string channel_text(const std::vector<standin::HostMessage>& messages) {
  std::string text;
  for (const standin::HostMessage& message : messages) {
    if (message.channel == standin::Channel::warning) {
      text += "Warning: " + message.text + '\n';
    } else {
      text += message.text;
    }
  }
  return text;
}

}  // namespace kelvaro::cli
