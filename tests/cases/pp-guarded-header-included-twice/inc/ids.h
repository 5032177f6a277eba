#ifndef IDS_H
#define IDS_H
#define kPlugInID 16000
#define kVersion 0x0102
#endif
