#define kA 1
