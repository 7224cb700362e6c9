// The kernel's results must not depend on the floating-point state of the
// thread that calls it (a host may leave 64-bit x87 precision, another
// rounding mode, flush-to-zero or unmasked exceptions behind). The scope
// saves the caller's whole environment (control words and status flags),
// installs the arithmetic's own, and puts the caller's back on every way
// out, so the caller's pending flags are neither lost nor added to.
#pragma once

#include <cfenv>

// mingw-w64's fesetenv (version 10, Debian 12) neither resets MXCSR for
// FE_DFL_ENV nor restores it from a saved environment, and x86-64 computes
// its doubles there: the scope does both itself on that target.
#if defined(_WIN32) && defined(__SSE__)
#include <xmmintrin.h>
#define KELVARO_SCOPE_KEEPS_MXCSR 1
#else
#define KELVARO_SCOPE_KEEPS_MXCSR 0
#endif

namespace kelvaro {

// Arithmetic::enter_environment() installs the arithmetic's environment.
template <class Arithmetic>
class FloatingPointScope {
 public:
  FloatingPointScope() {
    std::fegetenv(&caller_);
#if KELVARO_SCOPE_KEEPS_MXCSR
    caller_mxcsr_ = _mm_getcsr();
#endif
    enter();
  }
  ~FloatingPointScope() { restore_caller(); }
  FloatingPointScope(const FloatingPointScope&) = delete;
  FloatingPointScope& operator=(const FloatingPointScope&) = delete;

  // Runs host code in the caller's own environment; if it unwinds, the
  // destructor still restores that environment.
  template <class HostCall>
  void with_caller_environment(HostCall&& call) {
    restore_caller();
    call();
    enter();
  }

 private:
  void enter() {
    Arithmetic::enter_environment();
#if KELVARO_SCOPE_KEEPS_MXCSR
    _mm_setcsr(default_mxcsr);  // to nearest, all masked, no flags
#endif
  }

  void restore_caller() {
    std::fesetenv(&caller_);
#if KELVARO_SCOPE_KEEPS_MXCSR
    _mm_setcsr(caller_mxcsr_);
#endif
  }

  std::fenv_t caller_;
#if KELVARO_SCOPE_KEEPS_MXCSR
  static constexpr unsigned int default_mxcsr = 0x1F80;
  unsigned int caller_mxcsr_;
#endif
};

}  // namespace kelvaro
