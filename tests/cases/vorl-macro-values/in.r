// Ids, numbers and strings that come from macros.
#define kBase 100
#define kMajor 2
#define kMinor 1
#define kPluginName "Blur"

resource 'Vorl' (kBase + 28) {
	{
		Version { (kMajor << 16) | kMinor },
		Priority { -5 },
		Name { kPluginName }
	}
};
resource 'TzAv' (kBase - 28, "a minus term") { { } };
