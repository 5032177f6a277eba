// A macro that stands for a string never closed, used: the file ends inside it.
#define kMessage "never closed
resource 'LStr' (16001, "Messages") {
	{
		kMessage
	}
};
