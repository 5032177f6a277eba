#include "missing.h"
#include "a.h"
resource 'Vorl' (kA) { { } };
