// #include of a macro in both spellings, __has_include, #pragma once.
#define IDS_HEADER "ids.h"
#define IDS_SYSTEM <ids.h>
#include IDS_HEADER
#undef kBase
#define kBase 17000
#include IDS_SYSTEM
#if __has_include("ids.h") && __has_include(<ids.h>) && !__has_include("missing.h")
#define kKind Filter
#else
#define kKind Parser
#endif
resource 'Vorl' (kBase + 1, "Sample") {
	{
		Kind { kKind },
		Name { "Included once" }
	}
};
