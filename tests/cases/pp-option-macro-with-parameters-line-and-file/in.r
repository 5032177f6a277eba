// A macro with parameters from the command line; names longer than 32
// bytes that share their first ones; the line and the file of a use.
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		Name { __FILE__ },
		Version { MAKE_VERSION(2, 1) },
		Priority { __LINE__ },
		CodeWin64X86 { kEntryPointForTheSixtyFourBitBuildOfThisPlugIn },
		CodeWin32X86 { kEntryPointForTheSixtyFourBitBuildOfThisPlugInOld }
	}
};
