#if 1
resource 'Vorl' (1) { { Kind { Filter } } };
#ifdef kA

