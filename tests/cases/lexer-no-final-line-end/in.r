resource 'MENU' (1) { };
// the last line has no line end