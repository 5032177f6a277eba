// Include paths are taken from the working directory, not from this folder.
#include "shared.h"
#define kInner kShared + 1
