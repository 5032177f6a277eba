// Macros with arguments, as C replaces them: nested calls, # and ##, and
// arguments over several lines; a name not followed by ( stays a name.
#define MAKE_VERSION(major, minor) (((major) << 16) | (minor))
#define STR(x) #x
#define XSTR(x) STR(x)
#define CAT(a, b) a##b
#define ENTRY(name) XSTR(CAT(name, Main))
#define kMajor 2
#define ID(n) 16000 + (n)
#define NAMES(...) __VA_ARGS__

resource 'Vorl' (ID(1), "Sample") {
	{
		Kind { Filter },
		Name { STR(Sample   "Filter") },
		Category { XSTR(kMajor) },
		Version { MAKE_VERSION(kMajor,
		                       3) },
		CodeWin64X86 { ENTRY(Plugin) }
	}
};
resource 'LStr' (ID(2) + 1, "Messages") {
	{ NAMES("First", "Second"), STR() }
};
resource 'STR ' (STR, CAT) { };
