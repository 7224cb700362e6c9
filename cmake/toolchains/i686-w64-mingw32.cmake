# The 32-bit Windows module, kelvaro.dll for i386. Only the extended
# arithmetic is allowed here (see KelvaroArithmetic.cmake).
set(KELVARO_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_SYSTEM_PROCESSOR i686)

include(${CMAKE_CURRENT_LIST_DIR}/i686-code.cmake)
set(CMAKE_C_FLAGS_INIT "${KELVARO_I686_CODE_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${KELVARO_I686_CODE_FLAGS}")
