resource 'LStr' (133, "Joined") {
	{	"ab" "cd",
		"e"
		"" "f",
		"g" 7 "h"
	}
};
