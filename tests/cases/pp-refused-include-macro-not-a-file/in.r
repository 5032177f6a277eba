// #include of a macro that stands for no "file" or <file>.
#define HEADER defs.h
#include HEADER
resource 'Vorl' (16000, "Sample") { { Kind { Filter } } };
