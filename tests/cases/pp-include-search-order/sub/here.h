#define kWorking 99
