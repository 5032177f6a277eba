// -D and -U in their order, after the predefined macros; #undef; a macro
// read where it is used, with the definitions in force there.
#define kValue kBase + 1
#define kBase 10
#undef kGone
#pragma once
#line 40
#warning converting with the test settings
#ident "test settings"
resource 'Vorl' (kValue) { { FormatMaxChannels { {
#ifdef _WIN32
	1,
#endif
#ifdef RC_INVOKED
	2,
#endif
#if defined kGone
	3,
#endif
#if VORLTOOL_VERSION >= 10000
	5,
#endif
	kCmd, kTwice
} } } };
#undef kBase
#define kBase 20
resource 'Vorl' (kValue) { { } };
