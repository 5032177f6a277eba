resource 'LStr' (131, "Nothing") {
	{
	}
};
