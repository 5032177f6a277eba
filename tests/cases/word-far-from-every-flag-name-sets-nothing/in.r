resource 'Vorl' (16000) {
	{
		Kind { Filter },
		SupportedModes { doesSupportRGBColor, supportsEverythingElse, RGB }
	}
};
