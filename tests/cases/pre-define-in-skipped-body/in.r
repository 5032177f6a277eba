#define X 3
resource 'MENU' (1) {
#define X 9
	"item"
};
resource 'Vorl' (X) { { } };
