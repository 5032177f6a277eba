// In a group not taken, an unknown directive is passed over, as C has it.
#ifdef __GNUC__
#assert machine(x86)
#foo
#else
#define kID 16000
#endif
#if 0
#unassert machine
#endif
resource 'Vorl' (kID) { { Kind { Filter } } };
