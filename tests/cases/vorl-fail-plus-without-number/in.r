resource 'Vorl' (5
	+ "five") { { } };
