#define kBase 16000
#define kOffset 5
resource 'Vorl' (kBase) {
	{
		Kind { Filter },
		Priority { (kBase + kOfset) }
	}
};
