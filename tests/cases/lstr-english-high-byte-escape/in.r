resource 'LStr' (136) {
	{	"ƒ\n\t"
	}
};
