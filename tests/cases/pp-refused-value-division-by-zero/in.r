// A division by zero, also through a macro, fails.
#define kScale 0
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Priority { 100 / kScale }
	}
};
