#define kFromCompiler 100
#if __has_include_next(<vals.h>)
#include_next "vals.h"
#endif
