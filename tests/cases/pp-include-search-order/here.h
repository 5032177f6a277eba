#define kWorking 1
