#define kA 1
#include "open.h"
resource 'Vorl' (1) { { Kind { Filter } } };
