// #import reads a file once: a second #import, and an #include after it,
// read nothing.
#import "ids.h"
#import "ids.h"
#include "ids.h"
resource 'Vorl' (kID) {
	{
		Kind { Filter },
		Priority { kReads }
	}
};
