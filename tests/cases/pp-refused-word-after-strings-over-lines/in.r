/* The line feeds inside a string count where the file's lines are read as
   a C preprocessor reads them: the word after the strings is on line 11
   (a plain run leaves them uncounted, as before). */
resource 'Vorl' (1) {
	{
		Name { "two
lines" },
		Category { "three

lines" },
		Bad
	}
};
