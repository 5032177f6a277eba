// #include_next goes on with the folders after the one the current file
// was found in: wrap/vals.h, then compiler/vals.h, then sys/vals.h. In the
// main file, found through no folder, it is an #include.
#include_next <vals.h>
resource 'Vorl' (kFromWrapper + kFromCompiler + kFromSystem) {
	{
		Kind { Filter },
		Priority { kLast }
	}
};
