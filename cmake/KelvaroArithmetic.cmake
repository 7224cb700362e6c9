# KELVARO_ARITHMETIC selects how the kernel rounds:
#   double   - every value an IEEE double (the arithmetic of 64-bit hosts);
#   extended - the x87 unit at 53-bit precision control with its wide
#              exponent range, transcendentals with 64-bit significands
#              (the arithmetic of the 32-bit Windows module).
# The 32-bit Windows module is defined by the extended arithmetic.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows" AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(KELVARO_WINDOWS_I386 ON)
  set(_kelvaro_default_arithmetic extended)
else()
  set(KELVARO_WINDOWS_I386 OFF)
  set(_kelvaro_default_arithmetic double)
endif()
set(KELVARO_ARITHMETIC "${_kelvaro_default_arithmetic}" CACHE STRING
  "Kernel arithmetic: double or extended")
set_property(CACHE KELVARO_ARITHMETIC PROPERTY STRINGS double extended)

string(TOLOWER "${CMAKE_SYSTEM_PROCESSOR}" _kelvaro_cpu)
if(_kelvaro_cpu MATCHES "^(x86_64|amd64|i[3-6]86|x86)$")
  set(KELVARO_HAS_X87 ON)
else()
  set(KELVARO_HAS_X87 OFF)
endif()
if(CMAKE_CXX_COMPILER_ID MATCHES "^(GNU|Clang)$" AND KELVARO_HAS_X87)
  set(KELVARO_CAN_EXTENDED ON)
else()
  set(KELVARO_CAN_EXTENDED OFF)
endif()

if(KELVARO_ARITHMETIC STREQUAL "extended")
  if(NOT KELVARO_CAN_EXTENDED)
    message(FATAL_ERROR
      "KELVARO_ARITHMETIC=extended needs the x87 floating-point unit and GCC or "
      "Clang inline assembly for it (x86 or x86-64); this build targets "
      "'${CMAKE_SYSTEM_PROCESSOR}' with ${CMAKE_CXX_COMPILER_ID}. Use double.")
  endif()
elseif(KELVARO_WINDOWS_I386 AND KELVARO_ARITHMETIC STREQUAL "double")
  message(FATAL_ERROR
    "The 32-bit Windows module (kelvaro.dll for i386) is built in the extended "
    "arithmetic only: it must run on any i686 processor, whose floating point "
    "is the x87 unit, and IEEE double arithmetic there would need SSE2 "
    "(-msse2 -mfpmath=sse). Configure with -DKELVARO_ARITHMETIC=extended.")
elseif(NOT KELVARO_ARITHMETIC STREQUAL "double")
  message(FATAL_ERROR "KELVARO_ARITHMETIC must be 'double' or 'extended', not '${KELVARO_ARITHMETIC}'")
endif()
message(STATUS "kelvaro: kernel arithmetic is ${KELVARO_ARITHMETIC}")
