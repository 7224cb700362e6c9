// The x87 instructions the extended arithmetic is defined by. Each takes and
// returns a long double held in an x87 register, so its result keeps the
// 64-bit significand (transcendentals) or whatever rounding the precision
// control imposes (fsqrt), and the 15-bit exponent range in both cases.
#pragma once

#if !(defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__)))
#error "the extended arithmetic needs the x87 unit and GNU inline assembly"
#endif

#include <cstdint>

namespace kelvaro::x87 {

// ln a = ln 2 * log2 a (fyl2x); the result carries a 64-bit significand.
inline long double ln(long double a) {
  long double result;
  __asm__("fldln2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(result) : "0"(a) : "st(1)");
  return result;
}

// Rounded to the significand width of the precision control.
inline long double sqrt(long double a) {
  long double result;
  __asm__("fsqrt" : "=t"(result) : "0"(a));
  return result;
}

// Nearest integer under the rounding control (ties to even in our setting).
inline long double round_to_integer(long double a) {
  long double result;
  __asm__("frndint" : "=t"(result) : "0"(a));
  return result;
}

// 2^f - 1 for |f| <= 1, with a 64-bit significand; NaN for NaN.
inline long double exp2_minus_one(long double f) {
  long double result;
  __asm__("f2xm1" : "=t"(result) : "0"(f));
  return result;
}

// a * 2^r for an integral r, exact within the wide exponent range.
inline long double scale_by_power_of_two(long double a, long double r) {
  long double result;
  __asm__("fscale" : "=t"(result) : "0"(a), "u"(r));
  return result;
}

inline std::uint16_t control_word() {
  std::uint16_t word;
  __asm__ __volatile__("fnstcw %0" : "=m"(word));
  return word;
}

inline void set_control_word(std::uint16_t word) {
  __asm__ __volatile__("fldcw %0" : : "m"(word));
}

// Clears the exception flags of the status word without raising any pending
// unmasked exception.
inline void clear_exception_flags() { __asm__ __volatile__("fnclex"); }

inline std::uint16_t status_word() {
  std::uint16_t word;
  __asm__ __volatile__("fnstsw %0" : "=m"(word));
  return word;
}

// Precision-control field (bits 8-9) of the control word.
constexpr std::uint16_t precision_control_mask = 0x0300;
constexpr std::uint16_t precision_53_bits = 0x0200;
constexpr std::uint16_t precision_64_bits = 0x0300;
// Sets the precision-control field, keeping rounding control and masks.
inline void set_precision_control(std::uint16_t precision) {
  set_control_word(static_cast<std::uint16_t>(
      (control_word() & ~precision_control_mask) | precision));
}

// Rounding-control field (bits 10-11); zero is to nearest, ties to even.
constexpr std::uint16_t rounding_control_mask = 0x0C00;
constexpr std::uint16_t round_upward = 0x0800;
constexpr std::uint16_t round_downward = 0x0400;
// Exception flags of the status word (bits 0-5) and mask bits of the control
// word (bits 0-5), in the same order: invalid, denormal, zero divide,
// overflow, underflow, precision.
constexpr std::uint16_t exception_bits = 0x003F;

// The value rounded to double and loaded back, for a running value that
// stays in an x87 register: one store and one load, where a double result
// would go through SSE registers and the stack on x86-64.
inline long double rounded_to_double(long double value) {
  double stored;
  long double result;
  __asm__("fstpl %1\n\tfldl %1" : "=t"(result), "=m"(stored) : "0"(value));
  return result;
}

// A value that must be a double where the kernel stores it: the volatile
// store forces the rounding even where the compiler would keep the value in
// an 80-bit register (i386 without SSE math rounds only on stores).
inline double round_to_double(long double value) {
  volatile double stored = static_cast<double>(value);
  return stored;
}

}  // namespace kelvaro::x87
