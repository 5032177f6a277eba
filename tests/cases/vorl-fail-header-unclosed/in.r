resource 'Vorl' (1, "Unclosed", (purgeable)
	{ { Kind { Filter } } };
