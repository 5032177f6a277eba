// A name left once every macro is replaced fails, a macro's own name too
// (C does not replace it inside its own replacement); the plain reading
// writes 0.
#define kA kB
#define kB kA
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Version { kA }
	}
};
