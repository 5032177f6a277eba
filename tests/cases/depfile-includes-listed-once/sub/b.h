#define kB 2
