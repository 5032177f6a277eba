/* Lead bytes of double-byte characters run from 0x81 to 0x9F and from 0xE0
   to 0xEF. Each end of both ranges and the byte just outside it, in skipped
   text, strings, four-character literals and comments: a lead byte takes the
   byte after it along, unexamined. */
#define k80 "lead"
#pragma Ä
#define k80 "single"
#define k81 "lead"
#pragma Å
#define k81 "single"
#define k9F "lead"
#pragma ü
#define k9F "single"
#define kA0 "lead"
#pragma †
#define kA0 "single"
#define kDF "lead"
#pragma ﬂ
#define kDF "single"
#define kE0 "lead"
#pragma ‡
#define kE0 "single"
#define kEF "lead"
#pragma Ô
#define kEF "single"
#define kF0 "lead"
#pragma 
#define kF0 "single"

resource 'Vorl' (1) {
	{
		Name { k80 },
		Name { k81 },
		Name { k9F },
		Name { kA0 },
		Name { kDF },
		Name { kE0 },
		Name { kEF },
		Name { kF0 },
		Category { "Ä\\n" },
		Category { "Å\\n" },
		Category { "ü\\n" },
		Category { "†\\n" },
		Category { "ﬂ\\n" },
		Category { "‡\\n" },
		Category { "Ô\\n" },
		Category { "\\n" },
		ReadExtensions { { 'abcÄ', 'Å'cd', 'ü'cd', 'abc†', 'abcﬂ', '‡'cd', 'Ô'cd', 'abc' } },
		/* Ä*/ Priority { 128 }, /* */
		/* Å*/ Priority { 129 }, /* */
		/* ü*/ Priority { 159 }, /* */
		/* †*/ Priority { 160 }, /* */
		/* ﬂ*/ Priority { 223 }, /* */
		/* ‡*/ Priority { 224 }, /* */
		/* Ô*/ Priority { 239 }, /* */
		/* */ Priority { 240 }, /* */
		// Ä
		ZR_Reserved { 128 },
		// Å
		ZR_Reserved { 129 },
		// ü
		ZR_Reserved { 159 },
		// †
		ZR_Reserved { 160 },
		// ﬂ
		ZR_Reserved { 223 },
		// ‡
		ZR_Reserved { 224 },
		// Ô
		ZR_Reserved { 239 },
		// 
		ZR_Reserved { 240 },
		Kind { Filter }
	}
};

resource 'LStr' (2) {
	{ "Ä\\n", "Å\\n", "ü\\n", "†\\n", "ﬂ\\n", "‡\\n", "Ô\\n", "\\n" }
};
