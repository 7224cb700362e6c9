// What a host array is inside the stand-in host; only the stand-in sees it.
#pragma once

#include "array.h"

struct mxArray_tag {
  kelvaro::standin::ArrayContents contents;
};
