// A number and a string that cross byte 511 of their lines are read whole.
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		Version {                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                              0x00010002 },
		Name {                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                            "Sample Filter, named on a long line" },
		Category { "Samples" }
	}
};
