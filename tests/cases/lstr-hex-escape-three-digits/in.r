resource 'LStr' (134) {
	{	"a\0x41b"
	}
};
