/* An element that ends in a lead byte (written after a backslash, which
   keeps it from taking the closing quote along): the escape scan stops at
   the element's end, whatever the element before it left behind. */
resource 'LStr' (137) {
	{
		"abcdeftt",
		"ab\Å"
	}
};
