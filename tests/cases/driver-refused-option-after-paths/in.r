// The entry point is chosen by _WIN64, which the build defined after the paths.
resource 'Vorl' (16000) {
	{
#if defined(_WIN64)
		CodeWin64X86 { "PluginMain" }
#else
		CodeWin32X86 { "PluginMain" }
#endif
	}
};
