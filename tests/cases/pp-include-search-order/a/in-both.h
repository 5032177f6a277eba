#define kBoth 4
