resource 'LStr' (141) {
	{	"abc", "de"
	}
};
resource 'MENU' (1) {
	{ "File" }
};
resource 'LStr' (142) {
	{	"z"
	}
};
