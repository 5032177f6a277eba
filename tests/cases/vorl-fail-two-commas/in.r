resource 'Vorl' (1) {
	{
		Kind { Filter },,
		Name { "Blur" }
	}
};
