# Warnings every target of ours compiles with; -ffast-math is never used
# because the kernel's results are specified to the last bit.
add_library(kelvaro_warnings INTERFACE)
target_compile_options(kelvaro_warnings INTERFACE
  $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>)
