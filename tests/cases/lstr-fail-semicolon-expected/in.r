resource 'LStr' (138) {
	{	"ab"
	}
}

resource 'LStr' (139) {
	{	"cd"
	}
};
