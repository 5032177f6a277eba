include "first.r";
include "second.r";
read read 'data' "file.bin";
#define kA 7
