// The host operations the module uses, declared as the host exports them
// (C linkage, the host's own names). Only long-standing operations appear
// here: the same gateway is linked against the host's import libraries,
// which must list exactly these names, and against the stand-in host.
#pragma once

#include <cstddef>

#include "host_text.h"

extern "C" {

// A host array; only the host knows its layout.
typedef struct mxArray_tag mxArray;

// The host's size type for row, column and element counts.
typedef std::size_t mwSize;

typedef enum { mxREAL = 0, mxCOMPLEX = 1 } mxComplexity;

double* mxGetPr(const mxArray* array);
double mxGetScalar(const mxArray* array);
mwSize mxGetM(const mxArray* array);
mwSize mxGetNumberOfElements(const mxArray* array);
mxArray* mxCreateDoubleMatrix(mwSize rows, mwSize cols,
                              mxComplexity complexity);

bool mxIsDouble(const mxArray* array);
bool mxIsComplex(const mxArray* array);
bool mxIsSparse(const mxArray* array);
bool mxIsNumeric(const mxArray* array);
bool mxIsLogical(const mxArray* array);

// Stops the call: the host unwinds back to the caller and frees the arrays
// created during the call. The message is a printf format.
[[noreturn]] void mexErrMsgIdAndTxt(const char* identifier, const char* format,
                                    ...);

// The entry point the host calls for each invocation of the module.
void mexFunction(int nlhs, mxArray* plhs[], int nrhs, const mxArray* prhs[]);
}
