// Names for parameterised cases, from their descriptions.
#pragma once

#include <cctype>
#include <string>

namespace kelvaro::testing {

// GoogleTest accepts only letters, digits and underscores.
inline std::string test_name(std::string description) {
  for (char& c : description) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return description;
}

}  // namespace kelvaro::testing
