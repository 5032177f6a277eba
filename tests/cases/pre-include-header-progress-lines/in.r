// The header's macros hold after the include; the rest of the include line is skipped.
#include "defs.h" kFirst
resource 'Vorl' (kHeaderId) { { } };
resource 'Vorl' (kAfterResource) { { } };
