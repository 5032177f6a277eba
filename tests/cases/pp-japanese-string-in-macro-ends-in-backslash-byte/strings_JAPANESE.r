// A Japanese string whose last character ends in the byte 0x5C, in a
// macro's text, and stringized: neither the string nor the line ends there.
#define kTitle "表"
#define kLabel "ソフト"
#define SAY(text) #text
resource 'LStr' (16000, "Messages") {
	{
		kTitle,
		kLabel,
		SAY(表)
	}
};
