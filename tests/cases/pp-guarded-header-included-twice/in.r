// A guarded header read twice, found through the include folder the second
// time; the dependency file lists it once.
#include "ids.h"
#include <ids.h>
resource 'Vorl' (kPlugInID) { { Version { kVersion } } };
