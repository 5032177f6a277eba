// A plug-in numbers its resources from one base macro. Ids take plus and
// minus terms, left to right, in the headers of property lists and string
// lists alike; a string list's id is never taken from its elements. A term
// on a line of its own adds as any other, and the sum wraps at 32 bits.
#define kBase 16000
#define kOff 10
resource 'Vorl' (kBase, "Plug-in") { { } };
resource 'LStr' (kBase + 1, "Messages") { { 42, "a" } };
resource 'TzAv' (-kBase + kOff - 1) { { } };
resource 'LStr' (-kBase + kOff - 1) { { } };
resource 'Vorl' (kBase - kOff) { { } };
resource 'LStr' (kBase - kOff) { { } };
data 'TzAv' (kBase + kOff + 1, "name", purgeable) { { } };
data 'LStr' (kBase + kOff + 1, "name", purgeable) { { } };
resource 'LStr' (2147483647
	+ 1) { { } };
