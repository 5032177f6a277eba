#include "sub/outer.h"
resource 'Vorl' (kInner) { { } };
