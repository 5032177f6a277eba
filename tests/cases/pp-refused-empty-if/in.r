#define kEmpty
#if kEmpty
#endif
