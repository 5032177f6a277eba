// __has_include takes a "file" or a <file> in parentheses.
#if __has_include
#define kHaveDefs 1
#endif
resource 'Vorl' (16000, "Sample") { { Kind { Filter } } };
