// "x" is looked for as named (from the working folder), then beside the
// including file, then in the include folders in order; <x> only there.
#include "sub/first.h"
#include <only-in-b.h>
#include "in-both.h"
resource 'Vorl' (1) { { FormatMaxChannels { { kWorking, kBeside, kFromB, kBoth } } } };
