#define kBeside 2
