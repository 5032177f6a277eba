#define kShared 40
