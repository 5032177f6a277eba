#define kA 3
