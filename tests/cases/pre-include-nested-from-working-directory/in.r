#include "sub/inner.h"
resource 'Vorl' (kInner) { { } };
