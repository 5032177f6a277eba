#include "loop.h"
resource 'Vorl' (1) { { } };
