resource 'Vorl' (1) {
	{
		Kind { Filter }
	};
