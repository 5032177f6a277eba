resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Name { "Acme Sharpen" },
		Catagory { "Acme" },
		Version { 0x00010002 }
	}
};
