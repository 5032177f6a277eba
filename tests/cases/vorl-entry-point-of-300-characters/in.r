// An entry-point name of 300 characters is one string.
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		CodeWin32X86 { "Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_Entry_Point_Sample_Filter_" } // the "main" entry point
	}
};
