#define kOk 1
typedef long Fixed;
