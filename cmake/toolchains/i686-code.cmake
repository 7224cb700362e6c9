# Code generation shared by the 32-bit Windows module and the 32-bit Linux
# build that tests its arithmetic: any i686 processor, all floating point on
# the x87 unit, no SSE instruction needed anywhere.
set(KELVARO_I686_CODE_FLAGS "-march=i686 -mtune=generic -mfpmath=387")
