/* A string may hold // or /*: they begin no comment, and the macros after
   the string on its line are replaced. */
#define kVersion 0x00010002
#define kPriority 3

resource 'Vorl' (16000, "Comment marks in strings") {
	{
		Kind { Filter },
		Name { "http://example.com/blur" }, Version { kVersion },
		Category { "/* Blur" }, Priority { kPriority },
		CodeWin64X86 { "PluginMain" }
	}
};
