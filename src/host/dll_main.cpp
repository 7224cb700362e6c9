// The module's start-up, run by the Windows loader on the loading thread
// once the language runtime has started.
#include <windows.h>

#include "fpu_at_load.h"
#include "mex_api.h"

// The 32-bit host passes counts and sizes as 32-bit integers and the
// complexity flag as an int; the 64-bit host's sizes are 64-bit.
static_assert(sizeof(mwSize) == sizeof(void*), "mwSize must be pointer-wide");
static_assert(sizeof(mxComplexity) == sizeof(int), "mxComplexity is an int");

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) kelvaro::prepare_fpu_at_load();
  return TRUE;
}
