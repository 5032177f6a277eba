/* The line feeds inside a string are stored and not counted: the word after
   the strings, on line 11, is reported on line 8 (preprocessing mode counts
   them). */
resource 'Vorl' (1) {
	{
		Name { "two
lines" },
		Category { "three

lines" },
		Bad
	}
};
