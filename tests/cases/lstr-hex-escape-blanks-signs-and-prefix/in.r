/* The number of a \0x escape is read as a C library reads base 16: leading
   blanks (tab to carriage return and the space, nothing below the tab),
   a sign, a 0x or 0X prefix; four characters after the backslash go. */
resource 'LStr' (136) {
	{	"a\0x 41",
		"b\0x	41",
		"c\0x41",
		"d\0x41",
		"e\0x41",
		"f\0x41",
		"g\0x+41",
		"h\0x-1",
		"i\0x0X41",
		"j\0x0x4g",
		"k\0x0xg"
	}
};
