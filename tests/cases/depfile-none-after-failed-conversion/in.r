#include "a.h"
resource 'Vorl' (kA) { {
    Kind Filter
} };
