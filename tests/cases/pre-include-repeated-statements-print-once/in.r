// A progress line is printed when the kind of statement changes, not for
// each statement of a kind: two include lines print one, two read keywords one.
#include "a.h"
resource 'Vorl' (kA) { { } };
