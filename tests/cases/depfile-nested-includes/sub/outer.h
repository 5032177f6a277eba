// Paths are taken from the working directory, at every level.
#include "inner.h"
#define kOuter 1
