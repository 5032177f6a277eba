// a list cut short
resource 'LStr' (137) {
	{	"ab"
		"cd"