#define kA 1
#endif
resource 'Vorl' (1) { { Kind { Filter } } };
