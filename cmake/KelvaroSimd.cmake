# The double arithmetic computes its terms several at a time with SLEEF's
# exponential on x86-64, in SSE2, AVX and AVX-512 builds chosen at run time.
# Other targets (the 32-bit x87 module among them) have no SIMD terms and use
# the C library's exponential; so does x86-64 Windows, for which Debian has
# no SLEEF.
if(_kelvaro_cpu MATCHES "^(x86_64|amd64)$" AND CMAKE_SIZEOF_VOID_P EQUAL 8
   AND NOT WIN32)
  set(KELVARO_SIMD_TERMS ON)
  find_path(SLEEF_INCLUDE_DIR sleef.h REQUIRED)
  find_library(SLEEF_LIBRARY sleef REQUIRED)
  add_library(kelvaro_sleef INTERFACE)
  target_include_directories(kelvaro_sleef SYSTEM INTERFACE ${SLEEF_INCLUDE_DIR})
  target_link_libraries(kelvaro_sleef INTERFACE ${SLEEF_LIBRARY})
else()
  set(KELVARO_SIMD_TERMS OFF)
endif()
message(STATUS "kelvaro: SIMD terms ${KELVARO_SIMD_TERMS}")
