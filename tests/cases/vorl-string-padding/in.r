// Length-prefixed and zero-terminated fields fill whole 32-bit words.
resource 'Vorl' (1) {
	{
		Name { "abc" },
		Name { "" },
		Category { "abcdefg" },
		Category { "abcdefgh" },
		CodeWin32X86 { "Ent" },
		CodeWin64X86 { "" },
		CodeWin32X86 { "ab" },
		Name { "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" }
	}
};
