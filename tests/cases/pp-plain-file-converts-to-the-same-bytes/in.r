// Macro values written as C headers write them: each operator takes the whole
// rest of the value, and stops with it at a comma or a closing parenthesis.
#define kBase 100
#define kA 4
#define kB 2
#define kNext (kBase + 1)
#define kFlags (kA | kB)
#define kSum (kA + kB) * 2
#define kMixed ((kBase - 1) | 8)
#define kShift (1 << 3)
#define kShifted kA << 2
#define kSpread kBase +
	1
#define kCut kA + 1
kB, a word on the next line, ends the value (and is skipped with its line)
#define kList kA + 1, 7
resource 'Vorl' (kNext) {
	{
		FormatMaxChannels { { kNext, kFlags, kSum, kMixed, kShift, kShifted, kSpread, kCut, kList } }
	}
};
resource 'Vorl' (kMixed) { { } };
resource 'TzAv' (kShift) { { } };
