// The file ends inside the string of a #define.
resource 'LStr' (16001, "Messages") {
	{
		"The file could not be read."
	}
};
#define kMessage "never closed