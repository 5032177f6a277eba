resource 'LStr' ("Strings") {
	{	"ab"
	}
};
