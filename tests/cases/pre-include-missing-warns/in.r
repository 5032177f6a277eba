#include "missing.h"
#include "no\\such.h"
#include "."
#include <stdio.h>
#define kId 5
resource 'Vorl' (kId) { { } };
