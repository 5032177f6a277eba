resource 'LStr' (132) {
	{	"abcdefghijklm"
	}
};
