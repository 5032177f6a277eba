resource 'Vorl' (16000) {
	{
		Kind { Filter },
		/* Words meant to set nothing: far from every name of the list. */
		SupportedModes { doesSupportRGBColor, noBitmap, noLABColor, noGrayScale }
	}
};
