#define kFromSystem 20
#if __has_include_next(<vals.h>)
#error no folder after sys
#endif
#define kLast 3
