resource 'LStr' (137) {
	{	"ab",
