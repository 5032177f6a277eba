#define kFromB 3
