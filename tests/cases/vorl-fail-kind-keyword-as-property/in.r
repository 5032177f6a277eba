resource 'Vorl' (1) {
	{
		Filter
	}
};
