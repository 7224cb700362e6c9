// The refusal an action of kelvaro-run raises, for tests that compare it.
#pragma once

#include <string>

#include "input_error.h"

namespace kelvaro::testing {

// The InputError message of the action, or "accepted" when it raises none.
template <typename Action>
std::string input_error_of(Action&& action) {
  try {
    action();
  } catch (const cli::InputError& error) {
    return error.what();
  }
  return "accepted";
}

}  // namespace kelvaro::testing
