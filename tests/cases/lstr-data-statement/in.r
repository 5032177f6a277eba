data 'LStr' (200, "Labels", purgeable) {
	{	"Hi"
	}
};
