// An operator without its operand fails; the plain reading drops it.
resource 'Vorl' (16000) {
	{
		Kind { Filter },
		Priority { 16 * }
	}
};
