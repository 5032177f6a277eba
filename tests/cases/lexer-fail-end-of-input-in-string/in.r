// The file ends inside a string.
resource 'LStr' (16001, "Messages") {
	{
		"The file could not be read.",
		"A message that never ends
