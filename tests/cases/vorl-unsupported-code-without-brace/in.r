// Entry points for other processors without a braced value: the notice is
// written and the token after the keyword is read as the separator.
resource 'Vorl' (1) {
	{
		Code68K,
		Kind { Filter },
		CodePowerPC
	}
};
