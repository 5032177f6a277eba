// A double-byte character is passed over whole in a group not taken, as
// the reader passes it elsewhere: its second byte is no escape and no end
// of a comment, so the directives in the string and the comment below are
// none.
#if 0
"•\" "#endif in a string"
/* •*/ #else in a comment */
#endif
resource 'LStr' (1) { {
#ifndef kSkip
	"•\•\",
#else
	"•\ #endif",
#endif
	"end"
} };
