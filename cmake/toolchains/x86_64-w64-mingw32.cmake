# The same module for 64-bit Windows, in double arithmetic: wine64 runs it
# here, which the 32-bit module cannot be.
set(KELVARO_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
