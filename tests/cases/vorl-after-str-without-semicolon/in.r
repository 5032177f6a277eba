resource 'STR ' (200, "Greeting") "Hello, no semicolon"
resource 'Vorl' (300) {
	{
		Kind { Acquire },
		Name { "Scan" }
	}
};
