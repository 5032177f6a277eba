// A message of 600 characters in one literal.
resource 'LStr' (16001, "Messages") {
	{
		"Short message",
		"The filter could not finish: the image is larger than the memory set aside for it allows. The filter could not finish: the image is larger than the memory set aside for it allows. The filter could not finish: the image is larger than the memory set aside for it allows. The filter could not finish: the image is larger than the memory set aside for it allows. The filter could not finish: the image is larger than the memory set aside for it allows. The filter could not finish: the image is larger than the memory set aside for it allows. The filter could not finish: the image is larger than the me"
	}
};
