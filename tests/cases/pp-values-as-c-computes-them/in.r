// Every number a statement reads is a C constant expression, computed as C
// computes it on a 32-bit int. A plain run (pre-values-group-to-the-right)
// reads the same numbers by the plain reading's own rules.
#define MAKE_PRIO(level) ((level) << 4 | 1)
#define kBase 16000
#define kA 10
#define kB 4
#define kC 3
#define kFlags 0x100 | 0x20
resource 'Vorl' (kBase - 1 + 2, "Values") {
	{
		Kind { Filter },
		Priority { MAKE_PRIO(2) },
		Version { 1 << 16 | 2 },
		ZR_Effect_Version { (2) * 2 + 1 },
		ZR_Reserved { ~0 },
		ZR_Reserved_Info { 7 % 4 },
		ZR_Effect_Info_Flags { 6 ^ 3 },
		ZR_Effect_Global_OutFlags { 1 && 2 },
		ZR_Effect_Global_OutFlags_2 { kA - kB - kC },
		Priority { kFlags * 2 }
	}
};
// What the plain reading refuses: ?: and >>; an unsigned int, as C has
// it; C's octal; division towards zero; ids and list items.
resource 'Vorl' (kBase + kA * 2) {
	{
		Kind { Filter },
		Priority { 2 == 2 ? 7 : 9 },
		Version { 0xF0000000 >> 28 },
		FormatMaxSize { { (kA + kB) * kC, -(kA) } },
		FormatMaxChannels { { 010, -7 / 2, -7 % 2, 0x7FFFFFFF + 1 < 0 } }
	}
};
resource 'LStr' ((kBase | 0x100) >> 1, "Strings") { { "one" } };
