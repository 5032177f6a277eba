#define kBoth 98
