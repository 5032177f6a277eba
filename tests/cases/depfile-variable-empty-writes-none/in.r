#include "a.h"
resource 'Vorl' (kA) { { } };
