// A literal larger than 32 bits fails; the plain reading keeps its low 32.
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Version { 0x100000000 }
	}
};
