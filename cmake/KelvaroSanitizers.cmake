# KELVARO_SANITIZE builds every target with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report stops the program, so a test that
# reaches undefined behaviour fails. KELVARO_FUZZ adds libFuzzer coverage
# instrumentation (Clang only) and the fuzz targets under tests/fuzz.
option(KELVARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KELVARO_FUZZ "Build the libFuzzer targets (Clang; implies KELVARO_SANITIZE)" OFF)

if(KELVARO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KELVARO_FUZZ needs Clang's libFuzzer; configure with CXX=clang++ CC=clang")
  endif()
  set(KELVARO_SANITIZE ON)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(KELVARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
