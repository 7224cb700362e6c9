// The kernel's results must not depend on the floating-point state of the
// thread that calls it (a host may leave 64-bit x87 precision, another
// rounding mode, flush-to-zero or unmasked exceptions behind). The scope
// saves the caller's whole environment (control words and status flags),
// installs the arithmetic's own, and puts the caller's back on every way
// out, so the caller's pending flags are neither lost nor added to.
#pragma once

#include <cfenv>

namespace kelvaro {

// Arithmetic::enter_environment() installs the arithmetic's environment.
template <class Arithmetic>
class FloatingPointScope {
 public:
  FloatingPointScope() {
    std::fegetenv(&caller_);
    Arithmetic::enter_environment();
  }
  ~FloatingPointScope() { std::fesetenv(&caller_); }
  FloatingPointScope(const FloatingPointScope&) = delete;
  FloatingPointScope& operator=(const FloatingPointScope&) = delete;

  // Runs host code in the caller's own environment; if it unwinds, the
  // destructor still restores that environment.
  template <class HostCall>
  void with_caller_environment(HostCall&& call) {
    std::fesetenv(&caller_);
    call();
    Arithmetic::enter_environment();
  }

 private:
  std::fenv_t caller_;
};

}  // namespace kelvaro
