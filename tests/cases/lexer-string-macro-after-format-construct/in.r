/* A string macro takes the place of the latest string: after a format
   construct that is the format's result, which holds 255 characters, so a
   macro of 256 loses its last one there; after a string literal it is whole. */
#define kS256 "1234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456"
resource 'Vorl' (1) {
	{
		CodeWin64X86 { kS256 },
		CodeWin64X86 { $$Format("%d", 1) },
		CodeWin64X86 { kS256 },
		CodeWin64X86 { "x" },
		CodeWin64X86 { kS256 }
	}
};
