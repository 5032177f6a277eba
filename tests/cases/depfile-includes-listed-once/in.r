#include "a.h"
#include "sub/b.h"
// A second include of a file, also under another spelling, lists it once.
#include "a.h"
#include "./sub/b.h"
resource 'Vorl' (kA + kB) { { } };
