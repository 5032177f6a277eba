// A call with more arguments than the macro has parameters.
#define MAKE_VERSION(major, minor) (((major) << 16) | (minor))
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		Version { MAKE_VERSION(1, 2, 3) }
	}
};
