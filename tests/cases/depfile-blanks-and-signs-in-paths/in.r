#include "my dir/a b#1$.h"
resource 'Vorl' (kA) { { } };
