#include "term_path.h"

namespace kelvaro {

const char* term_path_name(TermPath path) {
  switch (path) {
    case TermPath::scalar:
      return "scalar";
    case TermPath::sse2:
      return "sse2";
    case TermPath::avx:
      return "avx";
    case TermPath::avx512:
      return "avx512";
  }
  return "?";
}

bool term_path_available(TermPath path) {
#if KELVARO_SIMD_TERMS
  __builtin_cpu_init();
  switch (path) {
    case TermPath::scalar:
    case TermPath::sse2:
      return true;
    case TermPath::avx:
      return __builtin_cpu_supports("avx");
    case TermPath::avx512:
      return __builtin_cpu_supports("avx512f");
  }
  return false;
#else
  return path == TermPath::scalar;
#endif
}

TermPath fastest_term_path() {
  if (term_path_available(TermPath::avx512)) return TermPath::avx512;
  if (term_path_available(TermPath::avx)) return TermPath::avx;
  if (term_path_available(TermPath::sse2)) return TermPath::sse2;
  return TermPath::scalar;
}

const VectorPasses* vector_passes(TermPath path) {
  switch (path) {
#if KELVARO_SIMD_TERMS
    case TermPath::sse2:
      return &sse2_passes();
    case TermPath::avx:
      return &avx_passes();
    case TermPath::avx512:
      return &avx512_passes();
#endif
    default:
      return nullptr;
  }
}

}  // namespace kelvaro
