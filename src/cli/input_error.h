// Input that kelvaro-run refuses: what() is the one line it reports.
#pragma once

#include <stdexcept>

namespace kelvaro::cli {

class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kelvaro::cli
