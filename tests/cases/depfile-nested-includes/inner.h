#define kInner 7
