#include "bad.h"
resource 'Vorl' (1) { { } };
