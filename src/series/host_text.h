// The host's two text operations, declared as the host exports them. They
// are the kernel's only link to the host: the real host, the stand-in host
// and the command-line driver each provide them.
#pragma once

extern "C" {
void mexWarnMsgTxt(const char* warning_text);
int mexPrintf(const char* format, ...);
}
