# The kernel and the gateway as a 32-bit Linux program with the code
# generation of the 32-bit Windows module, run under qemu-i386 on a processor
# without SSE: the tests then see the module's exact arithmetic, and any SSE
# instruction would stop them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
include(${CMAKE_CURRENT_LIST_DIR}/i686-code.cmake)
set(CMAKE_C_FLAGS_INIT "-m32 ${KELVARO_I686_CODE_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "-m32 ${KELVARO_I686_CODE_FLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

# A Pentium II: i686 with MMX and no SSE.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -cpu pentium2)
