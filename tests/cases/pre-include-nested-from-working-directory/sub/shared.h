#define kShared 98
