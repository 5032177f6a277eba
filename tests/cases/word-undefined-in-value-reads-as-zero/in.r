#define kVersion 0x00010002
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Name { "Acme Sharpen" },
		Version { kVersoin }
	}
};
