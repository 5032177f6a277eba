// A call whose closing parenthesis never comes: the file ends first.
#define NAME(text) #text
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		Name { NAME(Sample Filter }
	}
};
