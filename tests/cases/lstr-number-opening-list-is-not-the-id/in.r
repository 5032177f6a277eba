resource 'LStr' (130, "Tips") {
	{	7, "a"
	}
};
