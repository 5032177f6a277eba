resource 'LStr' (130, "Strings") {
	{	"ab",
		"c"
	}
};
