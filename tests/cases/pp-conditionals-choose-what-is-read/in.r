// One source for both platforms: the groups not taken are never read, so
// nothing in them fails, defines or includes anything.
#define kMac 0
resource 'Vorl' (16000, "Filter") {
	{
		Kind { Filter },
#if defined(__APPLE__)
		CodePowerPC { 0, 0, "" },
		#include "missing-mac-header.h"
		this is no property at all {
#else
		CodeWin64X86 { "PluginMain" },
#endif
#ifdef _WIN32
		Name { "win32 predefined" },
#endif
#ifndef RC_INVOKED
		Category { "wrong" },
#elifdef kMac
		Category { "elifdef takes kMac" },
#endif
#if kMac
		Version { 1 },
#elif defined kFromCommandLine && kFromCommandLine == 7
#  if 0
		Version { 2 },
#  elifndef kNotDefined
#    ifdef kNotDefinedEither
		Version { 3 },
#    else
		Version { 4 },
#    endif
#  endif
#else
		Version { 5 },
#endif
		Priority { 1 }
	}
};
#if 0
/* #endif inside a comment is none, "#endif" in a string neither,
   nor // #endif in a line comment */
"#endif"
// #endif
#define kNever 1
#error not read
#else
#define kAlways 2
#endif
resource 'Vorl' (kAlways) { { } };
#ifdef kNever
resource 'Vorl' (3) { { } };
#endif
