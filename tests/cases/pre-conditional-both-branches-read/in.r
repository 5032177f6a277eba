/* Conditions are not evaluated: every line is read, the later definition holds,
   and other directives go with their line. */
#ifdef WINDOWS
#define kId 10
#else
#define kId 20
#endif
#pragma once
#undef kId
resource 'Vorl' (kId) { { } };
