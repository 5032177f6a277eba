// Pasting two tokens must give one.
#define JOIN(a, b) a ## b
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		Version { JOIN(1, +) }
	}
};
