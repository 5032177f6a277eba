// An operator that nothing before it takes fails; the plain reading
// passes over a ~ and reads the last number.
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Priority { 4 ~ 2 }
	}
};
