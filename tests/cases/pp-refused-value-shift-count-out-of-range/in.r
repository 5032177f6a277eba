// A shift count outside 0 to 31 fails; the plain reading takes it modulo 32.
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Version { 1 << 32 }
	}
};
