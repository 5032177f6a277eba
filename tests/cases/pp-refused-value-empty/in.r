// A value with nothing in it fails; the plain reading writes 0.
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Priority { }
	}
};
