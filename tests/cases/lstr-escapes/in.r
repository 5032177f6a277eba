/* One escape to an element. */
resource 'LStr' (135, "Escapes") {
	{	"a\0x41z",
		"a\tb",
		"a\nb",
		"a\rb",
		"say \"hi\"",
		"\\n",
		"\q",
		"ab\0x00zz"
	}
};
