// Numeric macros: values cut to signed 16 bits, a macro without a value is 1,
// an unknown word counts nothing, and the value runs on to the next word.
#define X 3
#define kBase 100
#define kAll 65535
#define kWide 70000
#define kFlag 0x02000000
#define kBare
#define kNext 9
#define kSum (1+2)
#define kUnknown someWord
#define kLater 5
	+ 2
#define kA 1
#define kB 2
#define kC 3
#define kGroup kA - kB - kC
#define kScaled kB * 3 - 1
resource 'Vorl' (X) { { } };
resource 'Vorl' (kBase + 28) { { } };
resource 'Vorl' (kAll) { { } };
resource 'Vorl' (kWide) { { } };
resource 'Vorl' (kFlag) { { } };
resource 'Vorl' (kBare) { { } };
resource 'Vorl' (kNext) { { } };
resource 'Vorl' (kSum) { { } };
resource 'Vorl' (kUnknown) { { } };
resource 'Vorl' (kLater) { { } };
resource 'Vorl' (kGroup) { { } };
resource 'Vorl' (kScaled) { { } };
