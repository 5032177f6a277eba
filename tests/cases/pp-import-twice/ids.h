#ifdef kReads
#error ids.h read twice
#endif
#define kReads 1
#define kID 16000
