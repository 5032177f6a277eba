#define kFromWrapper 16000
#include_next <vals.h>
